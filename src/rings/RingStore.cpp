#include "rings/RingStore.h"

#include "data/Sql.h"
#include "data/Transaction.h"

#include <QSqlQuery>

namespace RingStore {

QVector<Assignment> assignments(qint16 week) {
    return Sql::rows<Assignment>(
        "SELECT TeamCode, RingNumber FROM TblRing WHERE Week = ? ORDER BY rowid", {week},
        [](const QSqlQuery& q) {
            return Assignment{q.value("TeamCode").toInt(),
                              static_cast<qint16>(q.value("RingNumber").toInt())};
        });
}

void replace(qint16 week, const QVector<Assignment>& rows) {
    Transaction tx;
    Sql::run("DELETE FROM TblRing WHERE Week = ?", {week});
    for (const Assignment& row : rows)
        Sql::run("INSERT INTO TblRing (Week, RingNumber, TeamCode) VALUES (?, ?, ?)",
                 {week, row.RingNumber, row.TeamCode});
    tx.commit();
}

} // namespace RingStore
