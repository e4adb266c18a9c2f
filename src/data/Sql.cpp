#include "data/Sql.h"

#include "data/Connection.h"
#include "data/DbError.h"

#include <QSqlError>
#include <QSqlRecord>

namespace Sql {

QSqlDatabase db() {
    return QSqlDatabase::database(kConnectionName, false);
}

QSqlQuery run(const QString& sql, const QVariantList& values) {
    return run(db(), sql, values);
}

QSqlQuery run(QSqlDatabase connection, const QString& sql, const QVariantList& values) {
    const Connection::WaitScope wait;
    QSqlQuery q(connection);
    if (!q.prepare(sql))
        throw DbError::fromSql(q.lastError(), sql);
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!q.exec())
        throw DbError::fromSql(q.lastError(), sql);
    return q;
}

bool exists(const QString& sql, const QVariantList& values) {
    QSqlQuery q = run(sql, values);
    return q.next();
}

QString text(const QSqlQuery& q, const char* column) {
    const QVariant v = q.value(QString::fromLatin1(column));
    return v.isNull() ? QString() : v.toString();
}

} // namespace Sql
