#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// Automatic backup copies of the district database, in the folder "Backups" beside it.
namespace Backups {

// How many copies are kept; the oldest go first.
inline constexpr int kKept = 20;

// The folder the copies of the database at `databasePath` go into.
QString folderFor(const QString& databasePath);

// The copies there, newest first.
QStringList existing(const QString& databasePath);

// Writes a complete, consistent copy of the open database `db` (stored at `databasePath`)
// named with the date and time, for example "VORNColts-2026-12-06-2041.mdb", and keeps the
// newest kKept. Returns an empty text, or a notice saying what went wrong.
QString write(QSqlDatabase db, const QString& databasePath,
              const QDateTime& now = QDateTime::currentDateTime());

// The copy made at every start: written only when the database has changed since the
// newest copy.
QString writeIfChanged(QSqlDatabase db, const QString& databasePath);

} // namespace Backups
