#include "data/DatabaseFile.h"

#include "data/DbError.h"
#include "data/Schema.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {

QString pragmaText(QSqlDatabase db, const QString& pragma, QString* error) {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA ") + pragma) || !q.next()) {
        *error = DbError::fromSql(q.lastError()).reason();
        return QString();
    }
    return q.value(0).toString();
}

QString check(QSqlDatabase db, const QString& path) {
    QString error;
    const QString appId = pragmaText(db, QStringLiteral("application_id"), &error);
    if (!error.isEmpty()) {
        if (error.contains(QLatin1String("not a database")))
            return QStringLiteral("The file \"%1\" is not a ColtsTracker database.").arg(path);
        return QStringLiteral("The database file \"%1\" cannot be read: %2.").arg(path, error);
    }
    const QString integrity = pragmaText(db, QStringLiteral("quick_check"), &error);
    if (!error.isEmpty() || integrity != QLatin1String("ok")) {
        return QStringLiteral("The database file \"%1\" is damaged: %2.")
            .arg(path, error.isEmpty() ? integrity : error);
    }
    if (appId.toLongLong() != Schema::kApplicationId)
        return QStringLiteral("The file \"%1\" is not a ColtsTracker database.").arg(path);
    const int version = pragmaText(db, QStringLiteral("user_version"), &error).toInt();
    if (!error.isEmpty())
        return QStringLiteral("The database file \"%1\" cannot be read: %2.").arg(path, error);
    if (version > Schema::kCurrentVersion) {
        return QStringLiteral("The database file \"%1\" was written by a newer version of "
                              "ColtsTracker (database version %2; this program knows version "
                              "%3 and older).")
            .arg(path)
            .arg(version)
            .arg(Schema::kCurrentVersion);
    }
    if (version < 1)
        return QStringLiteral("The file \"%1\" is not a ColtsTracker database.").arg(path);
    if (version < Schema::kCurrentVersion) {
        try {
            Schema::upgrade(db, version);
        } catch (const DbError& e) {
            return QStringLiteral("The database file \"%1\" could not be brought up to date: %2.")
                .arg(path, e.reason());
        }
    }
    return QString();
}

} // namespace

namespace DatabaseFile {

QString open(const QString& path, const QString& connectionName) {
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("The database file \"%1\" was not found.").arg(path);
    if (!info.isFile())
        return QStringLiteral("\"%1\" is not a database file.").arg(path);
    QFile probe(path);
    if (!probe.open(QIODevice::ReadOnly))
        return QStringLiteral("The database file \"%1\" cannot be read: %2.")
            .arg(path, probe.errorString());
    probe.close();
    if (!probe.open(QIODevice::ReadWrite))
        return QStringLiteral("The database file \"%1\" cannot be written: %2.")
            .arg(path, probe.errorString());
    probe.close();

    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(path);
        if (!db.open())
            error = QStringLiteral("The database file \"%1\" cannot be opened: %2.")
                        .arg(path, DbError::fromSql(db.lastError()).reason());
        else
            error = check(db, path);
    }
    if (!error.isEmpty())
        close(connectionName);
    return error;
}

QString createDelivered(const QString& path) {
    if (QFileInfo::exists(path))
        return QStringLiteral("\"%1\" already exists and is left as it is.").arg(path);
    const QString connection = QStringLiteral("DeliveredDatabase");
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (!db.open()) {
            error = DbError::fromSql(db.lastError()).reason();
        } else {
            try {
                Schema::createDelivered(db);
            } catch (const DbError& e) {
                error = e.reason();
            }
        }
    }
    close(connection);
    if (!error.isEmpty()) {
        QFile::remove(path);
        return QStringLiteral("\"%1\" could not be written: %2.").arg(path, error);
    }
    return QString();
}

void close(const QString& connectionName) {
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

} // namespace DatabaseFile
