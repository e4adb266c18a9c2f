#include "data/Sql.h"

#include "data/DbError.h"

#include <QSqlError>
#include <QSqlRecord>

namespace Sql {

QSqlDatabase db() {
    return QSqlDatabase::database(kConnectionName, false);
}

QSqlQuery run(const QString& sql, const QVariantList& values) {
    QSqlQuery q(db());
    if (!q.prepare(sql))
        throw DbError::fromSql(q.lastError());
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!q.exec())
        throw DbError::fromSql(q.lastError());
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

QString containsPattern(const QString& text) {
    QString escaped;
    escaped.reserve(text.size() + 2);
    escaped += QLatin1Char('%');
    for (QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    escaped += QLatin1Char('%');
    return escaped;
}

} // namespace Sql
