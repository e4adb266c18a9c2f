#pragma once

#include <QSqlDatabase>

// The tables of the district database and their versions.
namespace Schema {

// Marks a file as this program's database ("Colt").
inline constexpr qint32 kApplicationId = 0x436F6C74;
// Version of the tables this program reads and writes.
inline constexpr int kCurrentVersion = 2;

// Writes the eight tables and the delivered classes into an empty database.
void createDelivered(QSqlDatabase db);

// Brings a database of an older version up to kCurrentVersion, one step a transaction.
void upgrade(QSqlDatabase db, int fromVersion);

// What a database lacks of the tables and columns this version reads and writes ("the
// table TblRing is missing"), or an empty text when nothing is missing.
QString missingPart(QSqlDatabase db);

} // namespace Schema
