#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVector>
#include <optional>

// Thin helpers over the one connection: every value is bound, every failure throws DbError.
namespace Sql {

// Name of the one connection every screen uses.
inline const QString kConnectionName = QStringLiteral("MainDatabase");

QSqlDatabase db();

// Prepares `sql`, binds `values` positionally and runs it; throws DbError on failure.
QSqlQuery run(const QString& sql, const QVariantList& values = {});
// The same on another connection (the delivered database being written, a check at opening).
QSqlQuery run(QSqlDatabase connection, const QString& sql, const QVariantList& values = {});

// Runs a query and calls `read` for each row, collecting the results in query order.
template <typename T, typename Read>
QVector<T> rows(const QString& sql, const QVariantList& values, Read read) {
    QSqlQuery q = run(sql, values);
    QVector<T> out;
    while (q.next())
        out.push_back(read(q));
    return out;
}

// The first row of a query read by `read`, or nothing when the query yields no row.
template <typename T, typename Read>
std::optional<T> first(const QString& sql, const QVariantList& values, Read read) {
    QSqlQuery q = run(sql, values);
    if (!q.next())
        return std::nullopt;
    return read(q);
}

// True when the query yields at least one row.
bool exists(const QString& sql, const QVariantList& values = {});

// A column read as text, with NULL as the empty text.
QString text(const QSqlQuery& q, const char* column);

} // namespace Sql
