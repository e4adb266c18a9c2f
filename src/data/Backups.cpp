#include "data/Backups.h"

#include "data/DbError.h"
#include "data/Sql.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlQuery>
#include <algorithm>
#include <optional>
#include <tuple>

namespace {

const QString kStamp = QStringLiteral("-yyyy-MM-dd-HHmm");

struct Copy {
    QString path;
    QString base; // the database's name without ".mdb"
    QDateTime made;
    int rank; // of names made in one second: the minute's 0, the second's 1, then the count
};

// A copy as freshName() names it: the minute, then the second, then the second and a count.
std::optional<Copy> parse(const QString& path) {
    static const QRegularExpression pattern(
        QStringLiteral("^(.+)-(\\d{4}-\\d{2}-\\d{2}-\\d{4})(\\d{2})?(?:-(\\d+))?\\.mdb$"));
    const QRegularExpressionMatch m = pattern.match(QFileInfo(path).fileName());
    if (!m.hasMatch())
        return std::nullopt;
    const QDateTime minute = QDateTime::fromString(m.captured(2), kStamp.mid(1));
    if (!minute.isValid())
        return std::nullopt;
    const int rank = m.captured(4).isEmpty() ? int(m.capturedLength(3) > 0) : m.captured(4).toInt();
    return Copy{path, m.captured(1), minute.addSecs(m.captured(3).toInt()), rank};
}

// The clock may have been wrong when a copy was made, so its name, not the file's date, says
// which is newest.
QVector<Copy> copies(const QString& databasePath) {
    const QString base = QFileInfo(databasePath).completeBaseName();
    const QDir folder(Backups::folderFor(databasePath));
    QVector<Copy> found;
    for (const QString& name : folder.entryList({base + QStringLiteral("-*.mdb")}, QDir::Files)) {
        if (const auto copy = parse(folder.filePath(name)); copy && copy->base == base)
            found.push_back(*copy);
    }
    std::sort(found.begin(), found.end(), [](const Copy& a, const Copy& b) {
        return std::tie(a.made, a.rank) > std::tie(b.made, b.rank);
    });
    return found;
}

// A name no file in the folder has yet: the minute, else the second, else the second and a
// count, each followed by `suffix`.
QString freshName(const QDir& folder, const QString& base, const QDateTime& now,
                  const QString& suffix) {
    const QString minute = base + now.toString(kStamp);
    const QString second = minute + now.toString(QStringLiteral("ss"));
    QStringList candidates{minute, second};
    for (int n = 2; n < 100; ++n)
        candidates << QStringLiteral("%1-%2").arg(second).arg(n);
    for (const QString& name : candidates) {
        const QString file = name + suffix;
        if (!folder.exists(file) && !folder.exists(file + QStringLiteral(".partial")))
            return folder.filePath(file);
    }
    return QString();
}

// A name no file in the backup folder has yet, the folder made first; empty, with `reason`
// set, when there is none.
QString freshPath(const QString& databasePath, const QDateTime& now, const QString& suffix,
                  QString* reason) {
    const QString folderPath = Backups::folderFor(databasePath);
    if (!QDir().mkpath(folderPath)) {
        *reason = QFileInfo::exists(folderPath)
                      ? QStringLiteral("a file of that name is in its place")
                      : QStringLiteral("the folder cannot be made");
        return QString();
    }
    const QString name =
        freshName(QDir(folderPath), QFileInfo(databasePath).completeBaseName(), now, suffix);
    if (name.isEmpty())
        *reason = QStringLiteral("every name for this minute is taken");
    return name;
}

QString failed(const QString& folder, const QString& reason) {
    return QStringLiteral("ColtsTracker could not write its automatic backup into the folder "
                          "\"%1\": %2. Your records are safe and you can go on working; copy "
                          "VORNColts.mdb somewhere safe when you can.")
        .arg(folder, reason);
}

// What a copy stopped in its writing left behind.
void removeLeftovers(const QString& databasePath) {
    const QDir folder(Backups::folderFor(databasePath));
    const QString base = QFileInfo(databasePath).completeBaseName();
    for (const QString& name : folder.entryList({base + QStringLiteral("-*.mdb.partial"),
                                                 base + QStringLiteral("-*.mdb.partial-journal")},
                                                QDir::Files))
        QFile::remove(folder.filePath(name));
}

QString quoted(const QString& identifier) {
    return QLatin1Char('"') +
           QString(identifier).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

// True when every table of `db` holds the rows of the same table in the copy attached as
// "newest": the same number, and the same digest (see Connection::prepare), which tells a
// change of letter case or of type too, whatever the column's collation.
bool sameRecords(QSqlDatabase db) {
    const QString tableList = QStringLiteral(
        "SELECT group_concat(name, '|') FROM (SELECT name FROM %1.sqlite_schema WHERE type = "
        "'table' AND name NOT LIKE 'sqlite%' ORDER BY name)");
    QSqlQuery mine = Sql::run(db, tableList.arg(QStringLiteral("main")));
    QSqlQuery theirs = Sql::run(db, tableList.arg(QStringLiteral("newest")));
    QSqlQuery versions =
        Sql::run(db, QStringLiteral("SELECT (SELECT user_version FROM "
                                    "main.pragma_user_version) = (SELECT "
                                    "user_version FROM newest.pragma_user_version)"));
    if (!mine.next() || !theirs.next() || !versions.next() || !versions.value(0).toBool() ||
        mine.value(0) != theirs.value(0))
        return false;
    for (const QString& table : mine.value(0).toString().split(QLatin1Char('|'))) {
        QStringList columns;
        QSqlQuery info =
            Sql::run(db, QStringLiteral("SELECT name FROM pragma_table_info(?)"), {table});
        while (info.next())
            columns << quoted(info.value(0).toString());
        const QString summary = QStringLiteral("SELECT COUNT(*), records_digest(%1) FROM %2.%3")
                                    .arg(columns.join(QLatin1Char(',')));
        QSqlQuery here = Sql::run(db, summary.arg(QStringLiteral("main"), quoted(table)));
        QSqlQuery there = Sql::run(db, summary.arg(QStringLiteral("newest"), quoted(table)));
        if (!here.next() || !there.next() || here.value(0) != there.value(0) ||
            here.value(1) != there.value(1))
            return false;
    }
    return true;
}

} // namespace

namespace Backups {

QString folderFor(const QString& databasePath) {
    return QFileInfo(databasePath).absoluteDir().filePath(QStringLiteral("Backups"));
}

QStringList existing(const QString& databasePath) {
    QStringList out;
    for (const Copy& copy : copies(databasePath))
        out << copy.path;
    return out;
}

QString whenMade(const QString& copyPath) {
    const auto copy = parse(copyPath);
    return copy ? copy->made.toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QString();
}

Contents contentsOf(const QString& copyPath) {
    const QString name = QStringLiteral("BackupContents");
    Contents out;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(copyPath);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        try {
            if (db.open()) {
                QSqlQuery q = Sql::run(
                    db, QStringLiteral("SELECT (SELECT COUNT(*) FROM TblTeam), (SELECT COUNT(*) "
                                       "FROM TblPerson), (SELECT COUNT(*) FROM TblEntry), "
                                       "(SELECT COUNT(*) FROM TblPlacing)"));
                if (q.next())
                    out = {true, q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt(),
                           q.value(3).toInt()};
            }
        } catch (const DbError&) {
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return out;
}

QString asideName(const QString& databasePath, const QString& suffix, QString* error) {
    return freshPath(databasePath, QDateTime::currentDateTime(), suffix, error);
}

Outcome write(QSqlDatabase db, const QString& databasePath, const QDateTime& now) {
    const QString folderPath = folderFor(databasePath);
    QString reason;
    const QString target = freshPath(databasePath, now, QStringLiteral(".mdb"), &reason);
    if (target.isEmpty())
        return {failed(folderPath, reason)};
    // Written under a name of its own and renamed when complete, so an interrupted copy is
    // never taken for a backup.
    const QString partial = target + QStringLiteral(".partial");
    try {
        Sql::run(db, QStringLiteral("VACUUM INTO ?"), {partial});
    } catch (const DbError& e) {
        QFile::remove(partial);
        return {failed(folderPath, e.reason())};
    }
    if (!QFile::rename(partial, target)) {
        QFile::remove(partial);
        return {failed(folderPath, QStringLiteral("the copy could not be given its name"))};
    }
    const QVector<Copy> all = copies(databasePath);
    for (int k = kKept; k < all.size(); ++k)
        QFile::remove(all.at(k).path);
    return {};
}

Outcome writeIfChanged(QSqlDatabase db, const QString& databasePath) {
    removeLeftovers(databasePath);
    const QVector<Copy> all = copies(databasePath);
    if (!all.isEmpty()) {
        bool same = false;
        try {
            Sql::run(db, QStringLiteral("ATTACH DATABASE ? AS newest"), {all.first().path});
            try {
                same = sameRecords(db);
            } catch (const DbError&) { // a copy that cannot be read is no backup
            }
            Sql::run(db, QStringLiteral("DETACH DATABASE newest"));
        } catch (const DbError&) {
        }
        if (same)
            return {};
    }
    return write(db, databasePath);
}

} // namespace Backups
