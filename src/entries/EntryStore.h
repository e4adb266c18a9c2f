#pragma once

#include <QString>
#include <QVector>
#include <optional>

// Every query and save of the class entry screens: the only place that writes TblEntry and
// TblPairing. Failures throw DbError.
namespace EntryStore {

struct Rider {
    QString RiderNumber, FirstName, LastName;
};

// A rider's entry in a class at a meet.
struct Entry {
    QString RiderNumber;
    int ClassNumber = 0;
};

// A relay pair at a meet: the entered rider and the partner, with the partner's names as
// they were when the pair was saved.
struct Pairing {
    QString RiderNumber, PartnerNumber, PartnerFirst, PartnerLast;
};

// The riders of a team in rider-number order (as text).
QVector<Rider> riders(qint32 teamCode);
// The stored entries and pairings of a team's riders at a meet.
QVector<Entry> entries(qint32 teamCode, qint16 week);
QVector<Pairing> pairings(qint32 teamCode, qint16 week);

// The stored rider a typed number names, letter case ignored.
std::optional<Rider> findRider(const QString& typedNumber);

// Why `partner` cannot be the relay partner of `rider` of team `teamCode` at the meet
// because of another team's relay: already entered in the relay for another team, or
// already another team's rider's partner; an empty text when nothing stands in the way.
QString partnerTakenElsewhere(const QString& rider, const QString& partner, qint32 teamCode,
                              qint16 week);
// Why `rider` of team `teamCode` cannot ride in the relay at the meet: another team's rider
// names them as partner; an empty text otherwise.
QString riderTakenElsewhere(const QString& rider, qint32 teamCode, qint16 week);

// Replaces the entries and pairings at the meet of the riders `riderNumbers` (one team's)
// with `entries` and `pairings`, all or nothing.
void replace(const QVector<QString>& riderNumbers, qint16 week, const QVector<Entry>& entries,
             const QVector<Pairing>& pairings);

} // namespace EntryStore
