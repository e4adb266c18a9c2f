#pragma once

#include "riders/RiderStore.h"
#include "teams/TeamStore.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>

// The rule of a roster import: which column of a file holds what, and what becomes of each row
// before anything is stored. The import only adds: a rider already in the district is left as
// he is.
namespace RosterImport {

enum Column { RiderNumber, FirstName, LastName, Address, City, Zip, Team, Division, kColumns };

// The heading the program gives a column: "Rider Number".
QString name(Column column);

// The column of each kind in a heading row (-1 where none), found by heading with letter case
// and spaces ignored; the headings of the needed kinds that are missing.
struct Headings {
    std::array<int, kColumns> at{};
    QStringList missing;
};
Headings findColumns(const QStringList& headings);

// What the district holds that a row is checked against.
struct District {
    QSet<QString> riderNumbers; // those of the file's that are stored, folded (see fold())
    QVector<TeamStore::Team> teams;
};

// What the district holds of the riders of `rows` (the first being the headings) and its teams:
// only the file's rider numbers are looked up. Throws DbError.
District districtFor(const QVector<QStringList>& rows, const Headings& columns);

enum class What { Added, AddedWithNewTeam, Refused };

// One row of the file and what becomes of it.
struct Line {
    int fileRow = 0; // the row's number in the file, the heading row being 1
    std::array<QString, kColumns> cells;
    What what = What::Refused;
    QString reason; // why it is refused
    qint32 teamCode = -1;
    int newTeam = -1; // the new team it belongs to, as a position in Plan::newTeams
};

struct Plan {
    QVector<Line> lines; // every row but the blank ones, in the file's order
    QVector<TeamStore::Team> newTeams;
    int added = 0, refused = 0;

    // The riders to store, each of a stored team or of one of newTeams.
    QVector<RiderStore::RosterRider> riders() const;
};

// Plans the import of `rows` (the first being the headings, with columns found by
// findColumns() and nothing missing).
Plan plan(const QVector<QStringList>& rows, const Headings& columns, const District& district);

// The message for a heading row without a needed heading.
QString missingHeadings(const Headings& columns, const QStringList& headings);

// `text` with ASCII letters in lower case: rider numbers and team names compare as the
// database compares them.
QString fold(const QString& text);

} // namespace RosterImport
