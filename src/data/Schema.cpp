#include "data/Schema.h"

#include "data/DbError.h"
#include "data/DeliveredClasses.h"
#include "data/Sql.h"
#include "data/Transaction.h"

#include <QMap>

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace {

// Column names of every table as `db` holds them.
QMap<QString, QStringList> columnsOf(QSqlDatabase db) {
    QMap<QString, QStringList> out;
    QSqlQuery q = Sql::run(db, QStringLiteral("SELECT m.name, p.name FROM sqlite_schema AS m,"
                                              " pragma_table_info(m.name) AS p"
                                              " WHERE m.type = 'table'"));
    while (q.next())
        out[q.value(0).toString()] << q.value(1).toString();
    return out;
}

void createTables(QSqlDatabase db);

// The tables and columns of a database made by this version: made once in memory from the
// same statements that write the delivered database.
const QMap<QString, QStringList>& expectedColumns() {
    static const QMap<QString, QStringList> columns = [] {
        const QString name = QStringLiteral("SchemaReference");
        QMap<QString, QStringList> out;
        {
            QSqlDatabase memory = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            memory.setDatabaseName(QStringLiteral(":memory:"));
            if (memory.open()) {
                createTables(memory);
                out = columnsOf(memory);
            }
            memory.close();
        }
        QSqlDatabase::removeDatabase(name);
        out.remove(QStringLiteral("sqlite_sequence"));
        return out;
    }();
    return columns;
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

// What each later version adds to the one before it.
QStringList stepTo(int version) {
    switch (version) {
    case 2:
        // A rider is named at most once per meet in the relay, as entered rider or as partner.
        return {"CREATE UNIQUE INDEX IdxPairingWeekRider ON TblPairing (Week, RiderNumber)",
                "CREATE UNIQUE INDEX IdxPairingWeekPartner ON TblPairing (Week, PartnerNumber)"};
    default:
        return {};
    }
}

// The tables and indexes of the current version, as one script.
void createTables(QSqlDatabase db) {
    for (const QString& sql : version1())
        Sql::run(db, sql);
    for (int v = 2; v <= Schema::kCurrentVersion; ++v) {
        for (const QString& sql : stepTo(v))
            Sql::run(db, sql);
    }
}

void setVersion(QSqlDatabase db, int version) {
    // PRAGMA takes no bound values; both numbers are the program's own constants.
    Sql::run(db, QStringLiteral("PRAGMA user_version = %1").arg(version));
}

} // namespace

namespace Schema {

void createDelivered(QSqlDatabase db) {
    Transaction tx(db);
    Sql::run(db, QStringLiteral("PRAGMA application_id = %1").arg(kApplicationId));
    createTables(db);
    for (const ClassTable::Class& c : deliveredClasses()) {
        Sql::run(
            db,
            QStringLiteral("INSERT INTO TblClass (ClassNumber, ClassName, MaxEntries, imagepath) "
                           "VALUES (?, ?, ?, ?)"),
            {c.ClassNumber, c.ClassName, c.MaxEntries, c.imagepath});
    }
    setVersion(db, kCurrentVersion);
    tx.commit();
}

void upgrade(QSqlDatabase db, int fromVersion) {
    if (fromVersion < 1 || fromVersion > kCurrentVersion)
        throw DbError(QStringLiteral("no upgrade from version %1").arg(fromVersion));
    for (int v = fromVersion + 1; v <= kCurrentVersion; ++v) {
        Transaction tx(db);
        for (const QString& sql : stepTo(v))
            Sql::run(db, sql);
        setVersion(db, v);
        tx.commit();
    }
}

QString missingPart(QSqlDatabase db) {
    // SQLite matches table and column names without regard to letter case.
    QMap<QString, QStringList> present;
    const QMap<QString, QStringList> stored = columnsOf(db);
    for (auto table = stored.begin(); table != stored.end(); ++table)
        present[table.key().toLower()] = table.value();
    const QMap<QString, QStringList>& expected = expectedColumns();
    for (auto table = expected.begin(); table != expected.end(); ++table) {
        const auto found = present.constFind(table.key().toLower());
        if (found == present.constEnd())
            return QStringLiteral("the table %1 is missing").arg(table.key());
        for (const QString& column : table.value()) {
            if (!found.value().contains(column, Qt::CaseInsensitive))
                return QStringLiteral("the table %1 has no column %2").arg(table.key(), column);
        }
    }
    return QString();
}

} // namespace Schema
