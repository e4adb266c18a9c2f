#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

// Every query and save of the team and coach screens: the only place that writes TblTeam and
// TblCoach. Failures throw DbError.
namespace TeamStore {

// The divisions a team rides in.
inline const QStringList kDivisions = {QStringLiteral("A"), QStringLiteral("B"),
                                       QStringLiteral("C"), QStringLiteral("D")};

struct Team {
    qint32 TeamCode = -1;
    QString TeamName, Division;
};

struct Coach {
    qint32 CoachCode = -1;
    QString FirstName, LastName, Address, City, Zip, Primary, Secondary, Email, Position;
    qint32 TeamCode = -1;
};

// Every team, ordered by name (teams of the same name by code, so the order is stable).
QVector<Team> teams();
// Every team, ordered by division, then name, then code: the order of the meet screens.
QVector<Team> teamsByDivision();
std::optional<Team> findTeam(qint32 teamCode);
// "Riverside (B)".
QString teamLine(const Team& team);
// The position of the team with code `teamCode` in `teams`, or -1: teams are told apart by
// their code, never by their name.
int positionOf(const QVector<Team>& teams, qint32 teamCode);

// The coaches of one team: head coaches first, then by last name.
QVector<Coach> coaches(qint32 teamCode);
std::optional<Coach> findCoach(qint32 coachCode);
// "Berg, Anna - Head Coach".
QString coachLine(const Coach& coach);

// True when a rider belongs to the team.
bool teamHasRiders(qint32 teamCode);

// Stores a new team and returns its code.
qint32 insertTeam(const QString& name, const QString& division);
// Writes the name and division of a stored team; throws when the team is gone.
void updateTeam(const Team& team);
// Deletes the team and its coaches together; ring assignments are left as they are.
void removeTeam(qint32 teamCode);

// Stores a new coach and returns its code.
qint32 insertCoach(const Coach& coach);
// Writes every column of a stored coach; throws when the coach is gone.
void updateCoach(const Coach& coach);
void removeCoach(qint32 coachCode);

} // namespace TeamStore
