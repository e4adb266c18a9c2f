#pragma once

#include "placings/Standings.h"

#include <QHash>
#include <QString>
#include <QVector>

// Every query and save of the placing screens: the only place that writes TblPlacing.
// Failures throw DbError.
namespace PlacingStore {

// A rider offered for a place: entered in the class at the meet, with a team that rides in
// the ring at the meet.
struct Offered {
    QString PersonNumber, FirstName, LastName;
};

struct Partner {
    QString PartnerNumber, PartnerFirst, PartnerLast;
};

struct Placing {
    int Place = 0;
    QString RiderNumber;
};

// The riders offered for class `classNumber` in ring `ring` at meet `week`, in rider-number
// order (as text).
QVector<Offered> offered(int ring, int classNumber, qint16 week);
// The relay partners named at the meet, by the entered rider's number.
QHash<QString, Partner> partners(qint16 week);
// The stored placings of the class, ring and meet, in place order.
QVector<Placing> placings(int classNumber, int ring, qint16 week);
// The placings of meet `week`, each with the team its rider belongs to now; placings of
// riders or teams no longer stored count for nobody.
QVector<Standings::Placing> placingsWithTeams(qint16 week);

// Replaces the placings of the class, ring and meet with `rows`, each earning 9 - place
// points, all or nothing.
void replace(int classNumber, int ring, qint16 week, const QVector<Placing>& rows);

} // namespace PlacingStore
