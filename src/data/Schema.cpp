#include "data/Schema.h"

#include "data/DbError.h"
#include "data/DeliveredClasses.h"
#include "data/Transaction.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace {

void exec(QSqlDatabase db, const QString& sql, const QVariantList& values = {}) {
    QSqlQuery q(db);
    if (!q.prepare(sql))
        throw DbError::fromSql(q.lastError());
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!q.exec())
        throw DbError::fromSql(q.lastError());
}

// Text compares and orders without regard to letter case everywhere, as the screens expect.
const QStringList& version1() {
    static const QStringList statements = {
        "CREATE TABLE TblTeam ("
        " TeamCode INTEGER PRIMARY KEY AUTOINCREMENT,"
        " TeamName TEXT COLLATE NOCASE,"
        " Division TEXT COLLATE NOCASE)",
        "CREATE TABLE TblCoach ("
        " CoachCode INTEGER PRIMARY KEY AUTOINCREMENT,"
        " FirstName TEXT COLLATE NOCASE,"
        " LastName TEXT COLLATE NOCASE,"
        " Address TEXT COLLATE NOCASE,"
        " City TEXT COLLATE NOCASE,"
        " Zip TEXT COLLATE NOCASE,"
        " \"Primary\" TEXT COLLATE NOCASE,"
        " Secondary TEXT COLLATE NOCASE,"
        " Email TEXT COLLATE NOCASE,"
        " Position TEXT COLLATE NOCASE,"
        " TeamCode INTEGER)",
        "CREATE INDEX IdxCoachTeam ON TblCoach (TeamCode)",
        "CREATE TABLE TblPerson ("
        " RiderNumber TEXT COLLATE NOCASE NOT NULL UNIQUE CHECK (RiderNumber <> ''),"
        " FirstName TEXT COLLATE NOCASE,"
        " LastName TEXT COLLATE NOCASE,"
        " Address TEXT COLLATE NOCASE,"
        " City TEXT COLLATE NOCASE,"
        " Zip TEXT COLLATE NOCASE,"
        " TeamCode INTEGER)",
        "CREATE INDEX IdxPersonTeam ON TblPerson (TeamCode)",
        "CREATE TABLE TblClass ("
        " ClassNumber INTEGER NOT NULL UNIQUE,"
        " ClassName TEXT COLLATE NOCASE,"
        " MaxEntries INTEGER,"
        " imagepath TEXT COLLATE NOCASE)",
        "CREATE TABLE TblRing ("
        " Week INTEGER,"
        " RingNumber INTEGER,"
        " TeamCode INTEGER,"
        " UNIQUE (Week, TeamCode))",
        "CREATE TABLE TblEntry ("
        " ClassNumber INTEGER,"
        " Week INTEGER,"
        " RiderNumber TEXT COLLATE NOCASE,"
        " UNIQUE (RiderNumber, ClassNumber, Week))",
        "CREATE INDEX IdxEntryWeek ON TblEntry (Week, ClassNumber)",
        "CREATE TABLE TblPairing ("
        " Week INTEGER,"
        " RiderNumber TEXT COLLATE NOCASE,"
        " PartnerNumber TEXT COLLATE NOCASE,"
        " PartnerFirst TEXT COLLATE NOCASE,"
        " PartnerLast TEXT COLLATE NOCASE)",
        "CREATE INDEX IdxPairingRider ON TblPairing (RiderNumber, Week)",
        "CREATE TABLE TblPlacing ("
        " ClassNumber INTEGER,"
        " Ring INTEGER,"
        " Week INTEGER,"
        " Place INTEGER,"
        " RiderNumber TEXT COLLATE NOCASE,"
        " Points INTEGER,"
        " UNIQUE (ClassNumber, Ring, Week, Place),"
        " UNIQUE (ClassNumber, Ring, Week, RiderNumber))",
        "CREATE INDEX IdxPlacingRider ON TblPlacing (RiderNumber)",
    };
    return statements;
}

void setVersion(QSqlDatabase db, int version) {
    // PRAGMA takes no bound values; both numbers are the program's own constants.
    exec(db, QStringLiteral("PRAGMA user_version = %1").arg(version));
}

} // namespace

namespace Schema {

void createDelivered(QSqlDatabase db) {
    Transaction tx(db);
    exec(db, QStringLiteral("PRAGMA application_id = %1").arg(kApplicationId));
    for (const QString& sql : version1())
        exec(db, sql);
    for (const DeliveredClass& c : deliveredClasses()) {
        exec(db,
             QStringLiteral("INSERT INTO TblClass (ClassNumber, ClassName, MaxEntries, imagepath) "
                            "VALUES (?, ?, ?, ?)"),
             {c.ClassNumber, c.ClassName, c.MaxEntries, c.imagepath});
    }
    setVersion(db, kCurrentVersion);
    tx.commit();
}

void upgrade(QSqlDatabase db, int fromVersion) {
    // Each later version adds one step here: for (v = fromVersion; v < kCurrentVersion; ++v)
    // { Transaction tx(db); ...; setVersion(db, v + 1); tx.commit(); }
    Q_UNUSED(db);
    if (fromVersion < 1 || fromVersion > kCurrentVersion)
        throw DbError(QStringLiteral("no upgrade from version %1").arg(fromVersion));
}

} // namespace Schema
