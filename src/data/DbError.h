#pragma once

#include <QLoggingCategory>
#include <QSqlError>
#include <QString>
#include <stdexcept>

// Every database error is recorded here, with its statement, for support.
Q_DECLARE_LOGGING_CATEGORY(lcDatabase)

// The one exception type every store function throws when the database refuses or fails.
class DbError : public std::runtime_error {
public:
    // Records the error in the database log; `statement` is what was being run, if anything.
    DbError(const QString& reason, const QString& nativeCode = QString(),
            const QString& statement = QString());
    static DbError fromSql(const QSqlError& error, const QString& statement = QString());

    // The database's own words, for the message the user sees.
    QString reason() const { return m_reason; }
    QString nativeCode() const { return m_nativeCode; }
    // A UNIQUE constraint refused the row (SQLite extended code 2067, or 1555 for a key).
    bool isUniqueViolation() const;

private:
    QString m_reason;
    QString m_nativeCode;
};
