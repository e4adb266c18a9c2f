#include "placings/PlacingStore.h"

#include "data/Sql.h"
#include "data/Transaction.h"

#include <QSqlQuery>

namespace PlacingStore {

QVector<Offered> offered(const ClassRun& run) {
    return Sql::rows<Offered>(
        "SELECT TblPerson.RiderNumber, TblPerson.FirstName, TblPerson.LastName FROM TblEntry"
        " INNER JOIN TblPerson ON TblEntry.RiderNumber = TblPerson.RiderNumber"
        " INNER JOIN TblRing ON TblRing.TeamCode = TblPerson.TeamCode"
        " AND TblRing.Week = TblEntry.Week"
        " WHERE TblEntry.Week = ? AND TblEntry.ClassNumber = ? AND TblRing.RingNumber = ?"
        " ORDER BY TblPerson.RiderNumber, TblPerson.rowid",
        {run.Week, run.ClassNumber, run.Ring}, [](const QSqlQuery& q) {
            return Offered{Sql::text(q, "RiderNumber"), Sql::text(q, "FirstName"),
                           Sql::text(q, "LastName")};
        });
}

QHash<QString, Partner> partners(const ClassRun& run) {
    QHash<QString, Partner> out;
    // From the class's entries to their pairings: what the class holds, not the whole meet.
    QSqlQuery q = Sql::run("SELECT TblPairing.RiderNumber, TblPairing.PartnerNumber,"
                           " TblPairing.PartnerFirst, TblPairing.PartnerLast FROM TblEntry"
                           " CROSS JOIN TblPairing ON TblPairing.RiderNumber = TblEntry.RiderNumber"
                           " AND TblPairing.Week = TblEntry.Week"
                           " WHERE TblEntry.Week = ? AND TblEntry.ClassNumber = ?"
                           " ORDER BY TblPairing.rowid",
                           {run.Week, run.ClassNumber});
    while (q.next()) {
        const QString rider = Sql::text(q, "RiderNumber").toCaseFolded();
        if (!out.contains(rider)) // the first pairing of a rider counts
            out.insert(rider, {Sql::text(q, "PartnerNumber"), Sql::text(q, "PartnerFirst"),
                               Sql::text(q, "PartnerLast")});
    }
    return out;
}

QVector<Placing> placings(const ClassRun& run) {
    return Sql::rows<Placing>(
        "SELECT Place, RiderNumber FROM TblPlacing WHERE ClassNumber = ? AND Ring = ?"
        " AND Week = ? ORDER BY Place",
        {run.ClassNumber, run.Ring, run.Week}, [](const QSqlQuery& q) {
            return Placing{q.value("Place").toInt(), Sql::text(q, "RiderNumber")};
        });
}

QVector<Standings::Placing> placingsWithTeams(qint16 week) {
    return Sql::rows<Standings::Placing>(
        "SELECT TblTeam.TeamCode, TblPlacing.ClassNumber, TblPlacing.Place, TblPlacing.Points"
        " FROM TblPlacing INNER JOIN TblPerson ON TblPlacing.RiderNumber = TblPerson.RiderNumber"
        " INNER JOIN TblTeam ON TblTeam.TeamCode = TblPerson.TeamCode WHERE TblPlacing.Week = ?",
        {week}, [](const QSqlQuery& q) {
            return Standings::Placing{q.value("TeamCode").toInt(), q.value("ClassNumber").toInt(),
                                      q.value("Place").toInt(), q.value("Points").toInt()};
        });
}

void replace(const ClassRun& run, const QVector<Placing>& rows) {
    Transaction tx;
    Sql::run("DELETE FROM TblPlacing WHERE ClassNumber = ? AND Ring = ? AND Week = ?",
             {run.ClassNumber, run.Ring, run.Week});
    for (const Placing& p : rows)
        Sql::run("INSERT INTO TblPlacing (ClassNumber, Ring, Week, Place, RiderNumber, Points)"
                 " VALUES (?, ?, ?, ?, ?, ?)",
                 {run.ClassNumber, run.Ring, run.Week, p.Place, p.RiderNumber, 9 - p.Place});
    tx.commit();
}

} // namespace PlacingStore
