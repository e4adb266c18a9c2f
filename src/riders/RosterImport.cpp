#include "riders/RosterImport.h"

#include "core/FieldLimits.h"

#include <QRegularExpression>

namespace RosterImport {

namespace {

// The headings each kind of column is known by, letter case and spaces left out.
const std::array<QStringList, kColumns> kHeadings = {
    QStringList{"ridernumber", "number", "backnumber"},
    {"firstname"},
    {"lastname"},
    {"address"},
    {"city"},
    {"zip", "zipcode", "postalcode"},
    {"team"},
    {"division"}};
const std::array<const char*, kColumns> kNames = {
    "Rider Number", "First Name", "Last Name", "Address", "City", "Zip", "Team", "Division"};

// The most characters a column takes: a rider's as the rider forms take them, a team's name as
// the team form does.
int longest(int column) {
    return column < int(Limit::kRider.size()) ? Limit::kRider.at(size_t(column)) : Limit::kName;
}
constexpr Column kNeeded[] = {RiderNumber, FirstName, LastName, Team};

QString key(const QString& heading) {
    QString k = heading.toLower();
    k.remove(QRegularExpression(QStringLiteral("\\s")));
    return k;
}

bool isDivision(const QString& text) {
    return TeamStore::kDivisions.contains(text.toUpper());
}

} // namespace

District districtFor(const QVector<QStringList>& rows, const Headings& columns) {
    QStringList numbers;
    for (const QStringList& row : rows.mid(1))
        numbers << row.value(columns.at[RiderNumber]).trimmed();
    District district;
    for (const QString& number : RiderStore::storedAmong(numbers))
        district.riderNumbers.insert(fold(number));
    district.teams = TeamStore::teams();
    return district;
}

QString name(Column column) {
    return QString::fromLatin1(kNames.at(column));
}

QString fold(const QString& text) {
    QString folded = text;
    for (QChar& c : folded)
        if (c.unicode() < 128)
            c = c.toLower();
    return folded;
}

Headings findColumns(const QStringList& headings) {
    Headings found;
    found.at.fill(-1);
    for (int c = headings.size() - 1; c >= 0; --c) // the first of two same headings counts
        for (int k = 0; k < kColumns; ++k)
            if (kHeadings.at(size_t(k)).contains(key(headings.at(c))))
                found.at.at(size_t(k)) = c;
    for (const Column needed : kNeeded)
        if (found.at.at(needed) < 0)
            found.missing << kNames.at(needed);
    return found;
}

QString missingHeadings(const Headings& columns, const QStringList& headings) {
    QStringList shown;
    for (const QString& h : headings)
        if (!h.trimmed().isEmpty())
            shown << '"' + h.trimmed() + '"';
    return QStringLiteral("The file has no column headed %1. Its first row holds %2. The "
                          "columns needed are Rider Number, First Name, Last Name and Team.")
        .arg(columns.missing.join(QStringLiteral(", ")),
             shown.isEmpty() ? QStringLiteral("nothing") : shown.join(QStringLiteral(", ")));
}

Plan plan(const QVector<QStringList>& rows, const Headings& columns, const District& district) {
    Plan plan;
    QHash<QString, QVector<int>> teams; // stored teams by folded name
    for (int t = 0; t < district.teams.size(); ++t)
        teams[fold(district.teams.at(t).TeamName)] << t;
    // A new team's division is the first one a row gives it.
    QHash<QString, QString> newDivisions;
    for (int r = 1; r < rows.size(); ++r)
        if (const int t = columns.at.at(Team), d = columns.at.at(Division); d >= 0) {
            const QString team = fold(rows.at(r).value(t).trimmed());
            const QString division = rows.at(r).value(d).trimmed().toUpper();
            if (!teams.contains(team) && isDivision(division) && !newDivisions.contains(team))
                newDivisions.insert(team, division);
        }
    QHash<QString, int> numbersAbove; // folded rider number: its row
    QHash<QString, int> newTeams;     // folded name: position in plan.newTeams
    for (int r = 1; r < rows.size(); ++r) {
        Line line;
        line.fileRow = r + 1;
        bool blank = true;
        for (int k = 0; k < kColumns; ++k) {
            const int c = columns.at.at(size_t(k));
            line.cells.at(size_t(k)) = c < 0 ? QString() : rows.at(r).value(c).trimmed();
            blank = blank && line.cells.at(size_t(k)).isEmpty();
        }
        if (blank)
            continue;
        const QString number = fold(line.cells.at(RiderNumber));
        const QString team = fold(line.cells.at(Team));
        const QString& teamName = line.cells.at(Team);
        QString tooLong;
        for (int k = 0; k < kColumns && tooLong.isEmpty(); ++k)
            if (line.cells.at(size_t(k)).size() > longest(k))
                tooLong = QStringLiteral("The %1 is longer than %2 characters.")
                              .arg(QString(kNames.at(size_t(k))).toLower())
                              .arg(longest(k));
        if (!tooLong.isEmpty())
            line.reason = tooLong;
        else if (number.isEmpty())
            line.reason = QStringLiteral("No rider number.");
        else if (line.cells.at(FirstName).isEmpty() || line.cells.at(LastName).isEmpty())
            line.reason = QStringLiteral("No first or last name.");
        else if (numbersAbove.contains(number))
            line.reason = QStringLiteral("Rider number %1 is also in row %2 above.")
                              .arg(line.cells.at(RiderNumber))
                              .arg(numbersAbove.value(number));
        else if (district.riderNumbers.contains(number))
            line.reason = QStringLiteral("Rider number %1 is already in the district.")
                              .arg(line.cells.at(RiderNumber));
        else if (team.isEmpty())
            line.reason = QStringLiteral("No team.");
        else if (teams.value(team).size() > 1)
            line.reason = QStringLiteral("%1 teams in the district are named \"%2\".")
                              .arg(teams.value(team).size())
                              .arg(teamName);
        else if (!teams.contains(team) && !newDivisions.contains(team))
            line.reason = QStringLiteral("Team \"%1\" is not in the district, and no division A "
                                         "to D is given for it.")
                              .arg(teamName);
        if (!number.isEmpty() && !numbersAbove.contains(number))
            numbersAbove.insert(number, line.fileRow);
        if (!line.reason.isEmpty()) {
            ++plan.refused;
        } else if (teams.contains(team)) {
            const TeamStore::Team& stored = district.teams.at(teams.value(team).first());
            line.what = What::Added;
            line.teamCode = stored.TeamCode;
            line.cells.at(Team) = stored.TeamName;
            line.cells.at(Division) = stored.Division;
            ++plan.added;
        } else {
            if (!newTeams.contains(team)) {
                newTeams.insert(team, plan.newTeams.size());
                plan.newTeams.push_back({-1, teamName, newDivisions.value(team)});
            }
            line.newTeam = newTeams.value(team);
            line.what = What::AddedWithNewTeam;
            line.cells.at(Team) = plan.newTeams.at(line.newTeam).TeamName;
            line.cells.at(Division) = plan.newTeams.at(line.newTeam).Division;
            ++plan.added;
        }
        plan.lines.push_back(line);
    }
    return plan;
}

QVector<RiderStore::RosterRider> Plan::riders() const {
    QVector<RiderStore::RosterRider> riders;
    for (const Line& l : lines)
        if (l.what != What::Refused)
            riders.push_back({{l.cells.at(RiderNumber), l.cells.at(FirstName), l.cells.at(LastName),
                               l.cells.at(Address), l.cells.at(City), l.cells.at(Zip), l.teamCode},
                              l.newTeam});
    return riders;
}

} // namespace RosterImport
