#include "data/DatabaseFile.h"

#include "data/Backups.h"
#include "data/Connection.h"
#include "data/DbError.h"
#include "data/Schema.h"
#include "data/Sql.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString pragmaText(QSqlDatabase db, const QString& pragma, QString* error) {
    try {
        QSqlQuery q = Sql::run(db, QStringLiteral("PRAGMA ") + pragma);
        if (q.next())
            return q.value(0).toString();
        *error = QStringLiteral("no answer to PRAGMA %1").arg(pragma);
    } catch (const DbError& e) {
        *error = e.reason();
    }
    return QString();
}

QString notOurs(const QString& path) {
    return QStringLiteral("The file \"%1\" is not a ColtsTracker database.").arg(path);
}

// A damaged or incomplete file: what to do, and only a few lines of the check's detail.
QString unusable(const QString& path, const QString& what, const QString& detail) {
    QStringList lines = detail.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    lines.removeIf([](const QString& line) { return line.startsWith(QLatin1String("***")); });
    const int total = int(lines.size());
    lines = lines.mid(0, 3);
    for (QString& line : lines) {
        if (line.size() > 100)
            line = line.left(97) + QStringLiteral("...");
    }
    if (total > lines.size())
        lines << QStringLiteral("(and %1 more lines)").arg(total - lines.size());
    return QStringLiteral("The database file \"%1\" %2 and cannot be used. Copy the newest "
                          "backup from the folder \"%3\" over it, then start ColtsTracker "
                          "again.\n\nDetail: %4")
        .arg(path, what, Backups::folderFor(path), lines.join(QLatin1Char('\n')));
}

QString check(QSqlDatabase db, const QString& path) {
    QString error;
    const QString appId = pragmaText(db, QStringLiteral("application_id"), &error);
    if (!error.isEmpty()) {
        if (error.contains(QLatin1String("not a database")))
            return notOurs(path);
        return QStringLiteral("The database file \"%1\" cannot be read: %2.").arg(path, error);
    }
    const QString integrity = pragmaText(db, QStringLiteral("quick_check"), &error);
    if (!error.isEmpty() || integrity != QLatin1String("ok"))
        return unusable(path, QStringLiteral("is damaged"), error.isEmpty() ? integrity : error);
    if (appId.toLongLong() != Schema::kApplicationId)
        return notOurs(path);
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
        return notOurs(path);
    // Another tool may have switched the file to write-ahead logging; the program keeps
    // every saved record in the file itself, so that a copy of the file is a whole backup.
    const QString mode = pragmaText(db, QStringLiteral("journal_mode = DELETE"), &error);
    if (!error.isEmpty() || mode.compare(QLatin1String("delete"), Qt::CaseInsensitive) != 0)
        return QStringLiteral("The database file \"%1\" cannot be switched back to its "
                              "ordinary journal: %2.")
            .arg(path, error.isEmpty() ? mode : error);
    if (version < Schema::kCurrentVersion) {
        // A failed copy does not stop the upgrade: the secretary's work goes on.
        Backups::write(db, path);
        try {
            Schema::upgrade(db, version);
        } catch (const DbError& e) {
            return QStringLiteral("The database file \"%1\" could not be brought up to date: %2.")
                .arg(path, e.reason());
        }
    }
    QString missing;
    try {
        missing = Schema::missingPart(db);
    } catch (const DbError& e) {
        missing = e.reason();
    }
    if (!missing.isEmpty())
        return unusable(path, QStringLiteral("is incomplete"), missing);
    return QString();
}

// Flushes a file or folder to the disk; false when the disk refuses.
bool makeDurable(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

} // namespace

namespace DatabaseFile {

QString open(const QString& path, const QString& connectionName, int lockWaitMs) {
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

    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(path);
        if (!db.open()) {
            error = QStringLiteral("The database file \"%1\" cannot be opened: %2.")
                        .arg(path, DbError::fromSql(db.lastError()).reason());
        } else {
            Connection::prepare(db, lockWaitMs);
            error = check(db, path);
        }
    }
    if (!error.isEmpty())
        close(connectionName);
    return error;
}

QString writeProblem(const QString& path) {
    const QString notice = QStringLiteral(
        "No change can be saved until it can be written; you can still look up records and "
        "print.");
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return QStringLiteral("The database file \"%1\" cannot be written (%2). %3")
            .arg(path, file.errorString(), notice);
    file.close();
    // The journal of every save is made beside the database.
    const QString folder = QFileInfo(path).absolutePath();
    QTemporaryFile journal(QDir(folder).filePath(QStringLiteral(".write-check-XXXXXX")));
    if (!journal.open())
        return QStringLiteral("The folder \"%1\" that holds the database cannot be written (%2). "
                              "%3")
            .arg(folder, journal.errorString(), notice);
    return QString();
}

QString createDelivered(const QString& path) {
    if (QFileInfo::exists(path))
        return QStringLiteral("\"%1\" already exists and is left as it is.").arg(path);
    // A fixed name, so the leftovers of an interrupted run are cleared by the next one.
    const QString partial = path + QStringLiteral(".partial");
    QFile::remove(partial);
    QFile::remove(partial + QStringLiteral("-journal"));
    const QString connection = QStringLiteral("DeliveredDatabase");
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(partial);
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
    if (error.isEmpty() && !makeDurable(partial))
        error = QStringLiteral("the disk did not take the file");
    // A hard link puts the complete file in place in one step and refuses to replace a
    // database that appeared meanwhile.
    if (error.isEmpty() &&
        ::link(QFile::encodeName(partial).constData(), QFile::encodeName(path).constData()) != 0)
        error = errno == EEXIST ? QStringLiteral("a database appeared there meanwhile")
                                : QString::fromLocal8Bit(std::strerror(errno));
    QFile::remove(partial);
    QFile::remove(partial + QStringLiteral("-journal"));
    if (!error.isEmpty())
        return QStringLiteral("\"%1\" could not be written: %2.").arg(path, error);
    makeDurable(QFileInfo(path).absolutePath());
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
