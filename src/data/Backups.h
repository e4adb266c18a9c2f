#pragma once

#include "data/Outcome.h"

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

// The copies there, newest first by the date and time in their names. Files kept there for
// other reasons (a damaged file, a file before its journal was applied) are not copies.
QStringList existing(const QString& databasePath);

// When the copy at `copyPath` was made, as its name says: "2026-12-06 20:41".
QString whenMade(const QString& copyPath);

// What a copy holds, for choosing one to go back to.
struct Contents {
    bool readable = false;
    int teams = 0, riders = 0, entries = 0, placings = 0;
};
Contents contentsOf(const QString& copyPath);

// Writes a complete, consistent copy of the open database `db` (stored at `databasePath`)
// named with the date and time, for example "VORNColts-2026-12-06-2041.mdb", and keeps the
// newest kKept. A failure is a notice saying what went wrong.
Outcome write(QSqlDatabase db, const QString& databasePath,
              const QDateTime& now = QDateTime::currentDateTime());

// The copy made at every start: written only when the records differ from those of the
// newest copy. Clears what an interrupted copy left behind first.
Outcome writeIfChanged(QSqlDatabase db, const QString& databasePath);

// A new name in the backup folder for a file kept aside, the database's name with the date,
// time and `suffix`: "VORNColts-2026-12-07-0512-damaged.mdb" for "-damaged.mdb". Makes the
// folder; an empty text, with `error` set, when that cannot be done.
QString asideName(const QString& databasePath, const QString& suffix, QString* error);

} // namespace Backups
