#include "teams/TeamStore.h"

#include "data/DbError.h"
#include "data/Sql.h"
#include "data/Transaction.h"

#include <QSqlQuery>

namespace TeamStore {

namespace {

const char* const kCoachColumns =
    "CoachCode, FirstName, LastName, Address, City, Zip, \"Primary\", Secondary, Email,"
    " Position, TeamCode";

Team readTeam(const QSqlQuery& q) {
    Team t;
    t.TeamCode = q.value("TeamCode").toInt();
    t.TeamName = Sql::text(q, "TeamName");
    t.Division = Sql::text(q, "Division");
    return t;
}

Coach readCoach(const QSqlQuery& q) {
    Coach c;
    c.CoachCode = q.value("CoachCode").toInt();
    c.FirstName = Sql::text(q, "FirstName");
    c.LastName = Sql::text(q, "LastName");
    c.Address = Sql::text(q, "Address");
    c.City = Sql::text(q, "City");
    c.Zip = Sql::text(q, "Zip");
    c.Primary = Sql::text(q, "Primary");
    c.Secondary = Sql::text(q, "Secondary");
    c.Email = Sql::text(q, "Email");
    c.Position = Sql::text(q, "Position");
    c.TeamCode = q.value("TeamCode").toInt();
    return c;
}

QVariantList coachValues(const Coach& c) {
    return {c.FirstName, c.LastName,  c.Address, c.City,     c.Zip,
            c.Primary,   c.Secondary, c.Email,   c.Position, c.TeamCode};
}

} // namespace

QVector<Team> teams() {
    return Sql::rows<Team>(
        "SELECT TeamCode, TeamName, Division FROM TblTeam ORDER BY TeamName, TeamCode", {},
        readTeam);
}

QVector<Team> teamsByDivision() {
    return Sql::rows<Team>("SELECT TeamCode, TeamName, Division FROM TblTeam"
                           " ORDER BY Division, TeamName, TeamCode",
                           {}, readTeam);
}

std::optional<Team> findTeam(qint32 teamCode) {
    return Sql::first<Team>("SELECT TeamCode, TeamName, Division FROM TblTeam WHERE TeamCode = ?",
                            {teamCode}, readTeam);
}

QString teamLine(const Team& team) {
    return team.TeamName + QStringLiteral(" (") + team.Division + QStringLiteral(")");
}

int positionOf(const QVector<Team>& teams, qint32 teamCode) {
    for (int k = 0; k < teams.size(); ++k) {
        if (teams.at(k).TeamCode == teamCode)
            return k;
    }
    return -1;
}

QVector<Coach> coaches(qint32 teamCode) {
    // "Head Coach" sorts after "Assistant Coach": descending puts head coaches first.
    return Sql::rows<Coach>(QStringLiteral("SELECT %1 FROM TblCoach WHERE TeamCode = ?"
                                           " ORDER BY Position DESC, LastName, CoachCode")
                                .arg(QLatin1String(kCoachColumns)),
                            {teamCode}, readCoach);
}

std::optional<Coach> findCoach(qint32 coachCode) {
    return Sql::first<Coach>(QStringLiteral("SELECT %1 FROM TblCoach WHERE CoachCode = ?")
                                 .arg(QLatin1String(kCoachColumns)),
                             {coachCode}, readCoach);
}

QString coachLine(const Coach& coach) {
    return coach.LastName + QStringLiteral(", ") + coach.FirstName + QStringLiteral(" - ") +
           coach.Position;
}

bool teamHasRiders(qint32 teamCode) {
    return Sql::exists("SELECT 1 FROM TblPerson WHERE TeamCode = ? LIMIT 1", {teamCode});
}

qint32 insertTeam(const QString& name, const QString& division) {
    QSqlQuery q =
        Sql::run("INSERT INTO TblTeam (TeamName, Division) VALUES (?, ?)", {name, division});
    return q.lastInsertId().toInt();
}

void updateTeam(const Team& team) {
    QSqlQuery q = Sql::run("UPDATE TblTeam SET TeamName = ?, Division = ? WHERE TeamCode = ?",
                           {team.TeamName, team.Division, team.TeamCode});
    if (q.numRowsAffected() < 1)
        throw DbError(QStringLiteral("the team is no longer stored"));
}

void removeTeam(qint32 teamCode) {
    Transaction tx;
    Sql::run("DELETE FROM TblTeam WHERE TeamCode = ?", {teamCode});
    Sql::run("DELETE FROM TblCoach WHERE TeamCode = ?", {teamCode});
    tx.commit();
}

qint32 insertCoach(const Coach& coach) {
    QSqlQuery q = Sql::run("INSERT INTO TblCoach (FirstName, LastName, Address, City, Zip,"
                           " \"Primary\", Secondary, Email, Position, TeamCode)"
                           " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                           coachValues(coach));
    return q.lastInsertId().toInt();
}

void updateCoach(const Coach& coach) {
    QVariantList values = coachValues(coach);
    values << coach.CoachCode;
    QSqlQuery q = Sql::run("UPDATE TblCoach SET FirstName = ?, LastName = ?, Address = ?,"
                           " City = ?, Zip = ?, \"Primary\" = ?, Secondary = ?, Email = ?,"
                           " Position = ?, TeamCode = ? WHERE CoachCode = ?",
                           values);
    if (q.numRowsAffected() < 1)
        throw DbError(QStringLiteral("the coach is no longer stored"));
}

void removeCoach(qint32 coachCode) {
    Sql::run("DELETE FROM TblCoach WHERE CoachCode = ?", {coachCode});
}

} // namespace TeamStore
