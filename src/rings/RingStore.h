#pragma once

#include <QVector>
#include <QtGlobal>

// The ring assignments of a meet: the only place that writes TblRing. Failures throw DbError.
namespace RingStore {

struct Assignment {
    qint32 TeamCode = 0;
    qint16 RingNumber = 0;
};

// The stored assignments of meet `week`, in the order they were stored.
QVector<Assignment> assignments(qint16 week);

// Replaces every assignment of meet `week` with `rows`, all or nothing; other meets stay.
void replace(qint16 week, const QVector<Assignment>& rows);

} // namespace RingStore
