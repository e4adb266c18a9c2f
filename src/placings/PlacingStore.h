#pragma once

#include "core/ClassRun.h"
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

// The riders offered for the class in the ring at the meet, in rider-number order (as text).
QVector<Offered> offered(const ClassRun& run);
// The relay partners named at the meet by the riders entered in the class, by the entered
// rider's number.
QHash<QString, Partner> partners(const ClassRun& run);
// The stored placings of the class in the ring at the meet, in place order.
QVector<Placing> placings(const ClassRun& run);
// The placings of meet `week`, each with the team its rider belongs to now; placings of
// riders or teams no longer stored count for nobody.
QVector<Standings::Placing> placingsWithTeams(qint16 week);

// Replaces the placings of the class in the ring at the meet with `rows`, each earning
// 9 - place points, all or nothing.
void replace(const ClassRun& run, const QVector<Placing>& rows);

} // namespace PlacingStore
