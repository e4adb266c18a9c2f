#include "entries/EntryStore.h"

#include "data/ClassTable.h"
#include "data/Connection.h"
#include "data/Sql.h"
#include "data/Transaction.h"

#include <QSqlQuery>

namespace EntryStore {

namespace {

Rider readRider(const QSqlQuery& q) {
    return Rider{Sql::text(q, "RiderNumber"), Sql::text(q, "FirstName"), Sql::text(q, "LastName")};
}

} // namespace

QVector<Rider> riders(qint32 teamCode) {
    return Sql::rows<Rider>("SELECT RiderNumber, FirstName, LastName FROM TblPerson"
                            " WHERE TeamCode = ? ORDER BY RiderNumber, rowid",
                            {teamCode}, readRider);
}

QVector<Entry> entries(qint32 teamCode, qint16 week) {
    return Sql::rows<Entry>(
        // From the team's riders to their entries (CROSS JOIN keeps that order): the cost is
        // the team's, not the meet's.
        "SELECT TblEntry.ClassNumber, TblPerson.RiderNumber FROM TblPerson"
        " CROSS JOIN TblEntry ON TblEntry.RiderNumber = TblPerson.RiderNumber"
        " WHERE TblPerson.TeamCode = ? AND TblEntry.Week = ?"
        " ORDER BY TblEntry.RiderNumber, TblEntry.ClassNumber",
        {teamCode, week}, [](const QSqlQuery& q) {
            return Entry{Sql::text(q, "RiderNumber"), q.value("ClassNumber").toInt()};
        });
}

QVector<Pairing> pairings(qint32 teamCode, qint16 week) {
    return Sql::rows<Pairing>(
        "SELECT TblPerson.RiderNumber, TblPairing.PartnerNumber, TblPairing.PartnerFirst,"
        " TblPairing.PartnerLast FROM TblPerson"
        " CROSS JOIN TblPairing ON TblPairing.RiderNumber = TblPerson.RiderNumber"
        " WHERE TblPerson.TeamCode = ? AND TblPairing.Week = ? ORDER BY TblPairing.rowid",
        {teamCode, week}, [](const QSqlQuery& q) {
            return Pairing{Sql::text(q, "RiderNumber"), Sql::text(q, "PartnerNumber"),
                           Sql::text(q, "PartnerFirst"), Sql::text(q, "PartnerLast")};
        });
}

std::optional<Rider> findRider(const QString& typedNumber) {
    std::optional<Rider> found = Sql::first<Rider>(
        "SELECT RiderNumber, FirstName, LastName FROM TblPerson WHERE RiderNumber = ?",
        {typedNumber}, readRider);
    // The column ignores the case of plain letters only; the rest are folded here.
    if (!found)
        found = Sql::first<Rider>("SELECT RiderNumber, FirstName, LastName FROM TblPerson"
                                  " WHERE fold_case(RiderNumber) = ? ORDER BY RiderNumber",
                                  {Connection::folded(typedNumber)}, readRider);
    return found;
}

QString partnerTakenElsewhere(const QString& rider, const QString& partner, qint32 teamCode,
                              qint16 week) {
    // Rows of riders not on this team: this team's own rows are replaced by the save.
    const QString otherTeam =
        QStringLiteral(" AND NOT EXISTS (SELECT 1 FROM TblPerson AS p WHERE p.RiderNumber = %1"
                       " AND p.TeamCode = ?)");
    if (Sql::exists("SELECT 1 FROM TblEntry WHERE Week = ? AND ClassNumber = ?"
                    " AND RiderNumber = ?" +
                        otherTeam.arg("TblEntry.RiderNumber"),
                    {week, ClassTable::kRelayClass, partner, teamCode}))
        return QStringLiteral("Rider %1 is entered in the 2 Person Relay for another team at "
                              "this meet, so rider %2 cannot name them as partner.")
            .arg(partner, rider);
    const auto other = Sql::first<QString>(
        "SELECT RiderNumber FROM TblPairing WHERE Week = ? AND PartnerNumber = ?" +
            otherTeam.arg("TblPairing.RiderNumber"),
        {week, partner, teamCode}, [](const QSqlQuery& q) { return Sql::text(q, "RiderNumber"); });
    if (other)
        return QStringLiteral("Rider %1 is already the relay partner of rider %2 of another "
                              "team at this meet, so rider %3 cannot name them as partner.")
            .arg(partner, *other, rider);
    return QString();
}

QString riderTakenElsewhere(const QString& rider, qint32 teamCode, qint16 week) {
    const auto other = Sql::first<QString>(
        "SELECT RiderNumber FROM TblPairing WHERE Week = ? AND PartnerNumber = ?"
        " AND NOT EXISTS (SELECT 1 FROM TblPerson AS p"
        " WHERE p.RiderNumber = TblPairing.RiderNumber AND p.TeamCode = ?)",
        {week, rider, teamCode}, [](const QSqlQuery& q) { return Sql::text(q, "RiderNumber"); });
    if (!other)
        return QString();
    return QStringLiteral("Rider %1 is already the relay partner of rider %2 of another team at "
                          "this meet, so rider %1 cannot be entered in the 2 Person Relay.")
        .arg(rider, *other);
}

void replace(const QVector<QString>& riderNumbers, qint16 week, const QVector<Entry>& entries,
             const QVector<Pairing>& pairings) {
    Transaction tx;
    for (const QString& number : riderNumbers) {
        Sql::run("DELETE FROM TblEntry WHERE RiderNumber = ? AND Week = ?", {number, week});
        Sql::run("DELETE FROM TblPairing WHERE RiderNumber = ? AND Week = ?", {number, week});
    }
    for (const Entry& e : entries)
        Sql::run("INSERT INTO TblEntry (ClassNumber, Week, RiderNumber) VALUES (?, ?, ?)",
                 {e.ClassNumber, week, e.RiderNumber});
    for (const Pairing& p : pairings)
        Sql::run("INSERT INTO TblPairing (Week, RiderNumber, PartnerNumber, PartnerFirst,"
                 " PartnerLast) VALUES (?, ?, ?, ?, ?)",
                 {week, p.RiderNumber, p.PartnerNumber, p.PartnerFirst, p.PartnerLast});
    tx.commit();
}

} // namespace EntryStore
