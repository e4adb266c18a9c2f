#pragma once

#include <QString>

// Opening and making the district database file.
namespace DatabaseFile {

inline const QString kFileName = QStringLiteral("VORNColts.mdb");

// Opens the file at `path` as the connection `connectionName` after checking that it is
// there, readable, undamaged, of a version this program knows and holding every table and
// column the program uses; upgrades an older one (after a backup copy) and keeps it in the
// rollback-journal mode. Returns an empty text on success, otherwise what is wrong in a
// sentence or two (the connection is then removed again). Never creates or writes over a
// file that fails a check. `lockWaitMs` is how long a statement waits for a lock.
QString open(const QString& path, const QString& connectionName, int lockWaitMs = 5000);

// Why no change to the database at `path` could be saved (the file or its folder, where
// the journal goes, cannot be written), or an empty text when both can be written.
QString writeProblem(const QString& path);

// Writes a new delivered database at `path`: into a file beside it first, made durable,
// then moved into place, so `path` is either absent or complete, even if the writing is
// interrupted. Refuses (returns the reason) when a file is already there, so a database
// holding records is never replaced.
QString createDelivered(const QString& path);

// Closes and forgets the connection.
void close(const QString& connectionName);

} // namespace DatabaseFile
