#pragma once

#include "teams/TeamStore.h"

#include <QString>
#include <QVector>
#include <optional>

// Every query and save of the rider screens. Failures throw DbError.
namespace RiderStore {

// One line of the rider search.
struct RiderLine {
    QString RiderNumber, FirstName, LastName, TeamName;
    qint32 TeamCode = 0;
};

// A rider's own row.
struct Rider {
    QString RiderNumber, FirstName, LastName, Address, City, Zip;
    qint32 TeamCode = 0;
};

// The columns a search can look in, in the order the search screen offers them.
enum class SearchField { LastName = 0, FirstName = 1, RiderNumber = 2, TeamName = 3 };

// Riders whose chosen column contains `text` literally (case ignored), riders without a
// stored team left out, ordered by rider number.
QVector<RiderLine> search(SearchField field, const QString& text);

// "112 - Berg, Anna (Oak Ridge)".
QString lineText(const RiderLine& line);

// True when the rider is entered in a class, named as a relay partner or placed at any meet:
// deleting such a rider would leave those rows without their rider.
bool isEntered(const QString& riderNumber);

// Deletes the rider's row; false when no rider has that number any more.
bool remove(const QString& riderNumber);

std::optional<Rider> find(const QString& riderNumber);

// Stores a new rider in one transaction.
void insert(const Rider& rider);

// A rider of an imported roster: of the stored team rider.TeamCode, or of a team stored with him.
struct RosterRider {
    Rider rider;
    int newTeam = -1; // a position in the new teams stored with him, or -1
};

// The numbers among `numbers` that stored riders have (letter case ignored as the database
// ignores it), as stored.
QStringList storedAmong(const QStringList& numbers);

// Stores the new teams and the riders of an imported roster in one transaction: all or none.
void insertRoster(const QVector<TeamStore::Team>& newTeams, const QVector<RosterRider>& riders);

// Writes `rider` over the row of `storedNumber`; a changed number is carried into the
// rider's entries, relay pairings and placings in the same transaction.
void update(const QString& storedNumber, const Rider& rider);

} // namespace RiderStore
