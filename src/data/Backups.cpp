#include "data/Backups.h"

#include "data/DbError.h"
#include "data/Sql.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

QFileInfoList copies(const QString& databasePath) {
    const QString base = QFileInfo(databasePath).completeBaseName();
    QDir folder(Backups::folderFor(databasePath));
    QFileInfoList found = folder.entryInfoList({base + QStringLiteral("-*.mdb")}, QDir::Files);
    std::sort(found.begin(), found.end(), [](const QFileInfo& a, const QFileInfo& b) {
        const QDateTime ta = a.lastModified(), tb = b.lastModified();
        return ta != tb ? ta > tb : a.fileName() > b.fileName();
    });
    return found;
}

// A name no copy has yet: the minute, else the second, else the second and a count.
QString freshName(const QDir& folder, const QString& base, const QDateTime& now) {
    const QString minute = base + now.toString(QStringLiteral("-yyyy-MM-dd-HHmm"));
    const QString second = minute + now.toString(QStringLiteral("ss"));
    QStringList candidates{minute, second};
    for (int n = 2; n < 100; ++n)
        candidates << QStringLiteral("%1-%2").arg(second).arg(n);
    for (const QString& name : candidates) {
        const QString file = name + QStringLiteral(".mdb");
        if (!folder.exists(file) && !folder.exists(file + QStringLiteral(".partial")))
            return folder.filePath(file);
    }
    return QString();
}

QString failed(const QString& folder, const QString& reason) {
    return QStringLiteral("ColtsTracker could not write its automatic backup into the folder "
                          "\"%1\": %2. Your records are safe and you can go on working; copy "
                          "VORNColts.mdb somewhere safe when you can.")
        .arg(folder, reason);
}

} // namespace

namespace Backups {

QString folderFor(const QString& databasePath) {
    return QFileInfo(databasePath).absoluteDir().filePath(QStringLiteral("Backups"));
}

QStringList existing(const QString& databasePath) {
    QStringList out;
    for (const QFileInfo& info : copies(databasePath))
        out << info.absoluteFilePath();
    return out;
}

QString write(QSqlDatabase db, const QString& databasePath, const QDateTime& now) {
    const QString folderPath = folderFor(databasePath);
    if (!QDir().mkpath(folderPath)) {
        const bool blocked = QFileInfo::exists(folderPath);
        return failed(folderPath, blocked ? QStringLiteral("a file of that name is in its place")
                                          : QStringLiteral("the folder cannot be made"));
    }
    const QDir folder(folderPath);
    const QString target = freshName(folder, QFileInfo(databasePath).completeBaseName(), now);
    if (target.isEmpty())
        return failed(folderPath, QStringLiteral("every name for this minute is taken"));
    // Written under a name of its own and renamed when complete, so an interrupted copy is
    // never taken for a backup.
    const QString partial = target + QStringLiteral(".partial");
    try {
        Sql::run(db, QStringLiteral("VACUUM INTO ?"), {partial});
    } catch (const DbError& e) {
        QFile::remove(partial);
        return failed(folderPath, e.reason());
    }
    if (!QFile::rename(partial, target)) {
        QFile::remove(partial);
        return failed(folderPath, QStringLiteral("the copy could not be given its name"));
    }
    const QFileInfoList all = copies(databasePath);
    for (int k = kKept; k < all.size(); ++k)
        QFile::remove(all.at(k).absoluteFilePath());
    return QString();
}

QString writeIfChanged(QSqlDatabase db, const QString& databasePath) {
    const QFileInfoList all = copies(databasePath);
    if (!all.isEmpty() && QFileInfo(databasePath).lastModified() <= all.first().lastModified())
        return QString();
    return write(db, databasePath);
}

} // namespace Backups
