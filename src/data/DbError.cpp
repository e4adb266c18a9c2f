#include "data/DbError.h"

DbError::DbError(const QString& reason, const QString& nativeCode)
    : std::runtime_error(reason.toStdString()), m_reason(reason), m_nativeCode(nativeCode) {}

DbError DbError::fromSql(const QSqlError& error) {
    QString reason = error.databaseText().trimmed();
    if (reason.isEmpty())
        reason = error.text().trimmed();
    if (reason.isEmpty())
        reason = QStringLiteral("unknown database error");
    return DbError(reason, error.nativeErrorCode());
}

bool DbError::isUniqueViolation() const {
    return m_nativeCode == QLatin1String("2067") || m_nativeCode == QLatin1String("1555");
}
