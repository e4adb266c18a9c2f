#pragma once

#include "data/Outcome.h"

#include <QString>

// Opening and making the district database file.
namespace DatabaseFile {

inline const QString kFileName = QStringLiteral("VORNColts.mdb");

// What opening a file found besides success or failure.
struct OpenNotes {
    QString notice;              // what was done on the way in, to tell the secretary
    QString olderVersion;        // that an older file that cannot be written is read as it is
    bool damaged = false;        // the file failed because it is damaged or incomplete
    bool wholeCheckLeft = false; // the full check was deferred to checkWhole()
};

// How much of the file opening reads. Deferred spares a file of the current version in the
// ordinary journal mode, which opening does not write, the full check and the check of its
// tables; the caller then runs them with checkWhole() before anything is written. Any other
// file (an older version to bring up to date, a file another tool left in another journal
// mode) is checked whole before it is written.
enum class Check { Whole, Deferred };

// Opens the file at `path` as the connection `connectionName` after checking that it is
// there, readable, undamaged (the full integrity check, unless Deferred), of a version this program
// knows and holding every table and column the program uses; deals with a journal left beside it
// first; upgrades an older one (after a backup copy) when it can be written, and keeps it in
// the rollback-journal mode. A failure says what is wrong in a sentence or two (the
// connection is then removed again). Never creates or writes over a
// file that fails a check. `lockWaitMs` is how long a statement waits for a lock.
Outcome open(const QString& path, const QString& connectionName, int lockWaitMs = 5000,
             OpenNotes* notes = nullptr, Check extent = Check::Whole);

// What checkWhole() found: `sound` fails when the file is damaged or incomplete (`damaged`
// then true) or could not be read; `backup` says why the start-up backup was not made, or that
// the file cannot be written (see writeProblem()).
struct WholeCheck {
    Outcome sound;
    bool damaged = false;
    Outcome backup;
};

// The part of opening that reads the whole file, on a read-only connection of its own, so
// that another thread may run it while the windows are up: the full check and the check of
// the tables when `integrity`, then, when the file is sound and it can be written, the
// start-up backup (Backups::writeIfChanged).
WholeCheck checkWhole(const QString& path, bool integrity);

// Whether the backup at `copyPath` can take the place of the database, and why not.
Outcome checkCopy(const QString& copyPath);

// The newest backup of the database at `path` that passes every check, or an empty text.
QString newestGoodCopy(const QString& path);

// Puts the backup at `copyPath` in place of the database at `path` and opens it again as
// `connectionName`. The file in place is kept first: as a backup, or, when it is damaged or
// cannot be opened, in the backup folder under a name saying so. Refuses a backup that fails
// a check, and changes nothing when the file in place cannot be kept.
Outcome restore(const QString& copyPath, const QString& path, const QString& connectionName,
                OpenNotes* notes = nullptr);

// Copies the file `from` to `to` whole: written beside `to` first, made durable, then moved
// into place. Nothing is left at `to` when it fails.
Outcome copyWhole(const QString& from, const QString& to);

// Whether changes to the database at `path` can be saved: the file and its folder, where the
// journal goes, can be written; a failure says which cannot.
Outcome writeProblem(const QString& path);

// Writes a new delivered database at `path`: into a file beside it first, made durable,
// then moved into place, so `path` is either absent or complete, even if the writing is
// interrupted. Refuses when a file is already there, so a database holding records is never
// replaced.
Outcome createDelivered(const QString& path);

// Closes and forgets the connection.
void close(const QString& connectionName);

} // namespace DatabaseFile
