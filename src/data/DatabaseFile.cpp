#include "data/DatabaseFile.h"

#include "data/Backups.h"
#include "data/Connection.h"
#include "data/DbError.h"
#include "data/Journal.h"
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

// A damaged or incomplete file, with only a few lines of the check's detail.
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
    return QStringLiteral("The database file \"%1\" %2 and cannot be used.\n\nDetail: %3")
        .arg(path, what, lines.join(QLatin1Char('\n')));
}

// What the full check of `db` (every record and index read) finds wrong, or an empty text.
QString damage(QSqlDatabase db, const QString& path) {
    QString error;
    const QString integrity = pragmaText(db, QStringLiteral("integrity_check"), &error);
    if (!error.isEmpty() || integrity != QLatin1String("ok"))
        return unusable(path, QStringLiteral("is damaged"), error.isEmpty() ? integrity : error);
    return QString();
}

// What `db` lacks of the tables and columns this program reads, or an empty text. An older
// version has every one of them too.
QString incomplete(QSqlDatabase db, const QString& path) {
    QString missing;
    try {
        missing = Schema::missingPart(db);
    } catch (const DbError& e) {
        missing = e.reason();
    }
    return missing.isEmpty() ? QString() : unusable(path, QStringLiteral("is incomplete"), missing);
}

// What a file as found fails of the checks, or an empty text; reads and never writes.
// `version` receives its version; `damaged` whether it failed as damaged or incomplete.
// With `whole` false (see mayWait()), the full check and the check of the tables are left to
// the caller (DatabaseFile::checkWhole).
QString inspect(QSqlDatabase db, const QString& path, bool whole, int* version, bool* damaged) {
    QString error;
    const QString appId = pragmaText(db, QStringLiteral("application_id"), &error);
    *damaged = true;
    if (error.contains(QLatin1String("malformed")))
        return unusable(path, QStringLiteral("is damaged"), error);
    if (!error.isEmpty()) {
        *damaged = false;
        if (error.contains(QLatin1String("not a database")))
            return notOurs(path);
        return QStringLiteral("The database file \"%1\" cannot be read: %2.").arg(path, error);
    }
    // The full check reads every record and index; on a district of 3,000 riders it takes
    // about 15 ms, and it finds an index that no longer agrees with its table. A damaged file
    // is named damaged before anything else is said of it.
    if (whole) {
        if (const QString found = damage(db, path); !found.isEmpty())
            return found;
    }
    *damaged = false;
    if (appId.toLongLong() != Schema::kApplicationId)
        return notOurs(path);
    *version = pragmaText(db, QStringLiteral("user_version"), &error).toInt();
    if (!error.isEmpty())
        return QStringLiteral("The database file \"%1\" cannot be read: %2.").arg(path, error);
    if (*version > Schema::kCurrentVersion) {
        return QStringLiteral("The database file \"%1\" was written by a newer version of "
                              "ColtsTracker (database version %2; this program knows version "
                              "%3 and older).")
            .arg(path)
            .arg(*version)
            .arg(Schema::kCurrentVersion);
    }
    if (*version < 1)
        return notOurs(path);
    if (!whole)
        return QString();
    const QString missing = incomplete(db, path);
    *damaged = !missing.isEmpty();
    return missing;
}

// Whether the full check of `db` may wait until after it is opened: the file names itself ours,
// of the current version, and is in the ordinary journal mode, so that opening it writes
// nothing. Any other file is checked whole first.
bool mayWait(QSqlDatabase db) {
    QString error;
    const qint64 appId = pragmaText(db, QStringLiteral("application_id"), &error).toLongLong();
    const int version = pragmaText(db, QStringLiteral("user_version"), &error).toInt();
    const QString mode = pragmaText(db, QStringLiteral("journal_mode"), &error);
    return error.isEmpty() && appId == Schema::kApplicationId &&
           version == Schema::kCurrentVersion &&
           mode.compare(QLatin1String("delete"), Qt::CaseInsensitive) == 0;
}

QString check(QSqlDatabase db, const QString& path, bool whole, DatabaseFile::OpenNotes* notes) {
    whole = whole || !mayWait(db);
    int version = 0;
    const QString problem = inspect(db, path, whole, &version, &notes->damaged);
    if (!problem.isEmpty())
        return problem;
    notes->wholeCheckLeft = !whole;
    QString error;
    // Another tool may have switched the file to write-ahead logging; the program keeps
    // every saved record in the file itself, so that a copy of the file is a whole backup.
    const QString mode = pragmaText(db, QStringLiteral("journal_mode = DELETE"), &error);
    if (!error.isEmpty() || mode.compare(QLatin1String("delete"), Qt::CaseInsensitive) != 0)
        return QStringLiteral("The database file \"%1\" cannot be switched back to its "
                              "ordinary journal: %2.")
            .arg(path, error.isEmpty() ? mode : error);
    if (version == Schema::kCurrentVersion)
        return QString();
    // The newer version only adds indexes that keep a relay rider from being named twice in
    // a meet; an older file is read as it is, and upgraded once it can be written.
    if (!DatabaseFile::writeProblem(path).ok()) {
        notes->olderVersion =
            QStringLiteral("The database file was written by an older version of "
                           "ColtsTracker. It will be brought up to date once it can "
                           "be written.");
        return QString();
    }
    // A failed copy does not stop the upgrade: the secretary's work goes on.
    (void)Backups::write(db, path);
    try {
        Schema::upgrade(db, version);
    } catch (const DbError& e) {
        return QStringLiteral("The database file \"%1\" could not be brought up to date: %2.")
            .arg(path, e.reason());
    }
    return QString();
}

// Runs `work` on the file at `path` opened as the connection `name`, then closes it unless
// `keep` is true and `work` succeeded. Returns what `work` or the opening says is wrong.
template <typename Work>
QString withConnection(const QString& path, const QString& name, const QString& options, bool keep,
                       Work work) {
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(options);
        if (!db.open())
            error = QStringLiteral("The database file \"%1\" cannot be opened: %2.")
                        .arg(path, DbError::fromSql(db.lastError()).reason());
        else
            error = work(db);
    }
    if (!error.isEmpty() || !keep)
        DatabaseFile::close(name);
    return error;
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

Outcome open(const QString& path, const QString& connectionName, int lockWaitMs, OpenNotes* notes,
             Check extent) {
    const QFileInfo info(path);
    if (!info.exists())
        return {QStringLiteral("The database file \"%1\" was not found.").arg(path)};
    if (!info.isFile())
        return {QStringLiteral("\"%1\" is not a database file.").arg(path)};
    QFile probe(path);
    if (!probe.open(QIODevice::ReadOnly))
        return {QStringLiteral("The database file \"%1\" cannot be read: %2.")
                    .arg(path, probe.errorString())};
    probe.close();

    OpenNotes unread;
    OpenNotes* found = notes ? notes : &unread;
    *found = OpenNotes();
    const Outcome journal = Journal::settle(path, &found->notice);
    if (!journal.ok())
        return journal;
    return {withConnection(path, connectionName, QString(), true, [&](QSqlDatabase db) {
        Connection::prepare(db, lockWaitMs);
        return check(db, path, extent == Check::Whole, found);
    })};
}

Outcome checkCopy(const QString& copyPath) {
    return {withConnection(copyPath, QStringLiteral("BackupCheck"),
                           QStringLiteral("QSQLITE_OPEN_READONLY"), false, [&](QSqlDatabase db) {
                               int version = 0;
                               bool damaged = false;
                               return inspect(db, copyPath, true, &version, &damaged);
                           })};
}

QString newestGoodCopy(const QString& path) {
    for (const QString& copy : Backups::existing(path)) {
        if (checkCopy(copy).ok())
            return copy;
    }
    return QString();
}

Outcome restore(const QString& copyPath, const QString& path, const QString& connectionName,
                OpenNotes* notes) {
    const Outcome usable = checkCopy(copyPath);
    if (!usable.ok())
        return usable;
    // The records as they are now are kept: a sound file as an ordinary backup, a damaged one
    // under a name that no one takes for a backup.
    QString error;
    QSqlDatabase db = QSqlDatabase::database(connectionName, false);
    QString integrity;
    if (db.isOpen())
        integrity = pragmaText(db, QStringLiteral("integrity_check"), &error);
    if (integrity == QLatin1String("ok")) {
        error = Backups::write(db, path).failure;
    } else if (QFileInfo::exists(path)) {
        error.clear();
        const QString aside = Backups::asideName(path, QStringLiteral("-damaged.mdb"), &error);
        if (error.isEmpty())
            error = copyWhole(path, aside).failure;
    }
    if (!error.isEmpty())
        return {QStringLiteral("The backup was not restored, because the records as they are now "
                               "could not be kept first.\n\n") +
                error};
    db = QSqlDatabase();
    close(connectionName);
    const Outcome placed = copyWhole(copyPath, path);
    const Outcome reopened = open(path, connectionName, Connection::kDefaultLockWaitMs, notes);
    if (!placed.ok())
        return {QStringLiteral("The backup could not be put in place of \"%1\": %2. The records "
                               "are as they were.")
                    .arg(path, placed.failure)};
    return reopened;
}

WholeCheck checkWhole(const QString& path, bool integrity) {
    WholeCheck out;
    const auto work = [&](QSqlDatabase db) {
        Connection::prepare(db);
        QString found = integrity ? damage(db, path) : QString();
        if (integrity && found.isEmpty())
            found = incomplete(db, path);
        out.damaged = !found.isEmpty();
        // A database that cannot be written still serves for looking up and printing. Only a
        // database that can take changes needs the start-up backup.
        if (found.isEmpty()) {
            out.backup = writeProblem(path);
            if (out.backup.ok())
                out.backup = Backups::writeIfChanged(db, path);
        }
        return found;
    };
    out.sound.failure = withConnection(path, QStringLiteral("WholeCheck"),
                                       QStringLiteral("QSQLITE_OPEN_READONLY"), false, work);
    return out;
}

Outcome copyWhole(const QString& from, const QString& to) {
    const QString partial = to + QStringLiteral(".copying");
    QFile source(from), target(partial);
    QString error;
    if (!source.open(QIODevice::ReadOnly))
        error = source.errorString();
    else if (!target.open(QIODevice::WriteOnly | QIODevice::Truncate))
        error = target.errorString();
    while (error.isEmpty() && !source.atEnd()) {
        const QByteArray block = source.read(1 << 20);
        if (source.error() != QFile::NoError)
            error = source.errorString();
        else if (target.write(block) != block.size())
            error = target.errorString();
    }
    if (error.isEmpty() && (!target.flush() || ::fsync(target.handle()) != 0))
        error = QStringLiteral("the disk did not take the file");
    target.close();
    if (error.isEmpty() &&
        ::rename(QFile::encodeName(partial).constData(), QFile::encodeName(to).constData()) != 0)
        error = QString::fromLocal8Bit(std::strerror(errno));
    if (!error.isEmpty()) {
        QFile::remove(partial);
        return {error};
    }
    makeDurable(QFileInfo(to).absolutePath());
    return {};
}

Outcome writeProblem(const QString& path) {
    const QString notice = QStringLiteral(
        "No change can be saved until it can be written; you can still look up records and "
        "print.");
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return {QStringLiteral("The database file \"%1\" cannot be written (%2). %3")
                    .arg(path, file.errorString(), notice)};
    file.close();
    // The journal of every save is made beside the database.
    const QString folder = QFileInfo(path).absolutePath();
    QTemporaryFile journal(QDir(folder).filePath(QStringLiteral(".write-check-XXXXXX")));
    if (!journal.open())
        return {QStringLiteral("The folder \"%1\" that holds the database cannot be written (%2). "
                               "%3")
                    .arg(folder, journal.errorString(), notice)};
    return {};
}

Outcome createDelivered(const QString& path) {
    if (QFileInfo::exists(path))
        return {QStringLiteral("\"%1\" already exists and is left as it is.").arg(path)};
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
        return {QStringLiteral("\"%1\" could not be written: %2.").arg(path, error)};
    makeDurable(QFileInfo(path).absolutePath());
    return {};
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
