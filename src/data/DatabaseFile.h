#pragma once

#include <QString>

// Opening and making the district database file.
namespace DatabaseFile {

inline const QString kFileName = QStringLiteral("VORNColts.mdb");

// Opens the file at `path` as the connection `connectionName` after checking that it is
// there, readable, writable, undamaged and of a version this program knows; upgrades an
// older one. Returns an empty text on success, otherwise what is wrong (the connection is
// then removed again). Never creates or writes over a file that fails a check.
QString open(const QString& path, const QString& connectionName);

// Writes a new delivered database at `path`. Refuses (returns the reason) when a file is
// already there, so a database holding records is never replaced.
QString createDelivered(const QString& path);

// Closes and forgets the connection.
void close(const QString& connectionName);

} // namespace DatabaseFile
