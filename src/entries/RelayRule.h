#pragma once

#include "entries/EntryStore.h"

#include <QString>
#include <QVector>
#include <functional>
#include <optional>

// Who may ride the two-person relay with whom at a meet: the checks of one team's relay rows
// before they are stored.
namespace RelayRule {

// One rider row of the team's grid.
struct Row {
    QString RiderNumber;
    bool InRelay = false;    // entered in the relay; then a partner must be listed
    QString PartnerText;     // what the partner list shows
    bool PartnerCut = false; // the text was cut at the list's limit: it names nobody
};

// What the records say. In the program these ask the database (and may throw DbError).
struct Lookup {
    // The stored rider a typed number names, letter case ignored.
    std::function<std::optional<EntryStore::Rider>(const QString&)> findRider;
    // Why the rider cannot ride in the relay because of another team; empty when nothing
    // stands in the way.
    std::function<QString(const QString& rider)> riderTakenElsewhere;
    // Why the partner cannot be the rider's partner because of another team; empty when
    // nothing stands in the way.
    std::function<QString(const QString& rider, const QString& partner)> partnerTakenElsewhere;
};

// The first refusal in the order the secretary reads the grid, or the pairs to store.
struct Outcome {
    QString refusal;
    QVector<EntryStore::Pairing> pairs;
};

inline const QString kNoPartner =
    QStringLiteral("All riders entered in the 2 Person Relay must have a relay partner listed");
inline const QString kTwoTeams =
    QStringLiteral("One rider cannot be involved in two different 2 Person Relay Teams");

Outcome check(const QVector<Row>& rows, const Lookup& lookup);

// The lookup of the stored records for team `teamCode` at meet `week`.
Lookup storedRecords(qint32 teamCode, qint16 week);

} // namespace RelayRule
