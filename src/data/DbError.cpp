#include "data/DbError.h"

Q_LOGGING_CATEGORY(lcDatabase, "coltstracker.database")

DbError::DbError(const QString& reason, const QString& nativeCode, const QString& statement)
    : std::runtime_error(reason.toStdString()), m_reason(reason), m_nativeCode(nativeCode) {
    if (statement.isEmpty())
        qCWarning(lcDatabase).noquote() << reason;
    else
        qCWarning(lcDatabase).noquote()
            << reason << "| code" << nativeCode << "| statement" << statement;
}

namespace {

// The database's words for a journal it could not make or a file it could not write say
// little to the secretary; name what usually causes them.
bool isStorageFault(const QString& nativeCode, const QString& reason) {
    bool numeric = false;
    const int primary = nativeCode.toInt(&numeric) & 0xff;
    if (numeric)
        return primary == 8 || primary == 10 || primary == 14; // READONLY, IOERR, CANTOPEN
    return reason.contains(QLatin1String("unable to open database file")) ||
           reason.contains(QLatin1String("disk I/O error")) ||
           reason.contains(QLatin1String("readonly database"));
}

} // namespace

DbError DbError::fromSql(const QSqlError& error, const QString& statement) {
    QString reason = error.databaseText().trimmed();
    if (reason.isEmpty())
        reason = error.text().trimmed();
    if (reason.isEmpty())
        reason = QStringLiteral("unknown database error");
    if (isStorageFault(error.nativeErrorCode(), reason))
        reason += QStringLiteral(" (this usually means that the disk is full, read-only or "
                                 "failing)");
    return DbError(reason, error.nativeErrorCode(), statement);
}

bool DbError::isUniqueViolation() const {
    return m_nativeCode == QLatin1String("2067") || m_nativeCode == QLatin1String("1555");
}
