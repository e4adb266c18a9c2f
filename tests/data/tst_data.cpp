// The delivered database and the rules every store relies on.
#include "core/DistrictSettings.h"
#include "data/Backups.h"
#include "data/DbError.h"
#include "data/Transaction.h"
#include "support/TestDistrict.h"

#include <QtEndian>

namespace {

QByteArray bigEndian(quint32 value) {
    char bytes[4];
    qToBigEndian(value, bytes);
    return QByteArray(bytes, 4);
}

// The journal SQLite leaves when a save is stopped after it has written the file: the pages
// of the file `before` that the save changed, as they were, in the journal's format.
QByteArray journalOf(const QByteArray& before, const QByteArray& after) {
    const int pageSize = 4096, sector = 512, seed = 7;
    QByteArray records;
    quint32 count = 0;
    for (int at = 0; at < before.size(); at += pageSize) {
        const QByteArray page = before.mid(at, pageSize);
        if (page == after.mid(at, pageSize))
            continue;
        quint32 sum = seed;
        for (int k = pageSize - 200; k > 0; k -= 200)
            sum += quint8(page[k]);
        records += bigEndian(at / pageSize + 1) + page + bigEndian(sum);
        ++count;
    }
    QByteArray header = QByteArray::fromHex("d9d505f920a163d7") + bigEndian(count) +
                        bigEndian(seed) + bigEndian(before.size() / pageSize) + bigEndian(sector) +
                        bigEndian(pageSize);
    header.resize(sector, '\0');
    return header + records;
}

} // namespace

class TestData : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestPaths(); }

    void deliveredDatabaseHoldsTheEighteenClasses() {
        TestDistrict program;
        // Row k is class k + 1 without ordering, as the grids read it; its picture is ClassNN.bmp.
        QCOMPARE(stored("SELECT group_concat(ClassNumber || '|' || ClassName || '|' || MaxEntries,"
                        " '; '), SUM(imagepath = printf('Class%02d.bmp', ClassNumber)),"
                        " (SELECT user_version FROM pragma_user_version),"
                        " (SELECT application_id FROM pragma_application_id) FROM TblClass"),
                 "1|Walk Trot|2; 2|Walk Trot Canter|2; 3|Beginner Equitation on the Flat|2; "
                 "4|Novice Equitation on the Flat|2; 5|Intermediate Equitation on the Flat|2; "
                 "6|Open Equitation on the Flat|2; 7|Crossrails|2; "
                 "8|Novice Equitation over Fences|2; 9|Intermediate Equitation over Fences|2; "
                 "10|Open Equitation over Fences|2; 11|Hunter Hack|1; 12|Pleasure Pony|1; "
                 "13|Western Walk Jog|2; 14|Western Horsemanship|2; 15|Western Pleasure|1; "
                 "16|Ranch Riding|1; 17|Trail|1; 18|Two-Person Relay|1|18|2|1131375732");
        for (const char* table : {"TblTeam", "TblCoach", "TblPerson", "TblRing", "TblEntry",
                                  "TblPairing", "TblPlacing"})
            QVERIFY(!Sql::exists(QStringLiteral("SELECT * FROM %1").arg(table)));
    }

    void deliveredDatabaseIsNeverWrittenOver() {
        TestDistrict program;
        Sql::run("INSERT INTO TblTeam (TeamName, Division) VALUES ('Oak Ridge', 'A')");
        QVERIFY(!DatabaseFile::createDelivered(program.databasePath()).ok());
        QVERIFY(Sql::exists("SELECT * FROM TblTeam WHERE TeamName = 'oak ridge'"));
    }

    void recordsLeftInAWriteAheadLogAreTakenIntoTheFile() {
        TestDistrict program;
        QTemporaryDir copy;
        const QString copied = copy.filePath("VORNColts.mdb");
        // The file switched to write-ahead logging, as another tool may do, and a team saved
        // that is still only in the log when the files are copied.
        Sql::run("PRAGMA journal_mode = WAL");
        Sql::run("PRAGMA wal_autocheckpoint = 0");
        Sql::run("INSERT INTO TblTeam (TeamName) VALUES ('In the log')");
        for (const QString suffix : {"", "-wal", "-shm"})
            QVERIFY(QFile::copy(program.databasePath() + suffix, copied + suffix));
        program.closeDatabase();
        QCOMPARE(DatabaseFile::open(copied, Sql::kConnectionName).failure, QString());
        QCOMPARE(stored("PRAGMA journal_mode"), "delete");
        DatabaseFile::close(Sql::kConnectionName);
        QVERIFY(!QFile::exists(copied + "-wal"));
        QCOMPARE(DatabaseFile::open(copied, Sql::kConnectionName).failure, QString());
        QVERIFY(Sql::exists("SELECT * FROM TblTeam WHERE TeamName = 'In the log'"));
    }

    // Start-up leaves the full check for later only where opening writes nothing to the file.
    void fullCheckWaitsOnlyForAFileOpeningLeavesAsItIs_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<bool>("waits");
        QTest::newRow("current version") << QStringList{} << true;
        QTest::newRow("older version") << kOlderVersion << false;
        QTest::newRow("write-ahead log") << QStringList{"PRAGMA journal_mode = WAL"} << false;
    }
    void fullCheckWaitsOnlyForAFileOpeningLeavesAsItIs() {
        QFETCH(QStringList, before);
        QFETCH(bool, waits);
        TestDistrict program;
        for (const QString& statement : before)
            Sql::run(statement);
        program.closeDatabase();
        DatabaseFile::OpenNotes notes;
        QCOMPARE(DatabaseFile::open(program.databasePath(), Sql::kConnectionName, 5000, &notes,
                                    DatabaseFile::Check::Deferred)
                     .failure,
                 QString());
        QCOMPARE(notes.wholeCheckLeft, waits);
    }

    void journalLeftBesideTheFile_data() {
        QTest::addColumn<QString>("journal");
        QTest::addColumn<QString>("teams");    // after the file is opened
        QTest::addColumn<QString>("said");     // to the secretary
        QTest::addColumn<QStringList>("kept"); // in the backup folder besides the backup
        QTest::newRow("of a save that was stopped")
            << "stopped"
            << "Oak Ridge, Elm Park"
            << "The last save was interrupted"
            << QStringList{"-before-rollback.mdb", "-before-rollback.mdb-journal"};
        QTest::newRow("of the file before a backup was copied over it")
            << "foreign"
            << "Oak Ridge"
            << "belonged to another copy of the file" << QStringList{"-foreign.mdb-journal"};
        QTest::newRow("empty") << ""
                               << "Oak Ridge, Elm Park, Stopped"
                               << "" << QStringList{};
        QTest::newRow("header zeroed") << QString(1024, QChar(0)) << "Oak Ridge, Elm Park, Stopped"
                                       << "" << QStringList{};
    }
    void journalLeftBesideTheFile() {
        QFETCH(QString, journal);
        QFETCH(QString, teams);
        QFETCH(QString, said);
        QFETCH(QStringList, kept);
        TestDistrict program;
        const QString path = program.databasePath();
        Sql::run("INSERT INTO TblTeam (TeamName) VALUES ('Oak Ridge')");
        QCOMPARE(Backups::write(Sql::db(), path).failure, QString());
        const QString backup = Backups::existing(path)[0];
        Sql::run("INSERT INTO TblTeam (TeamName) VALUES ('Elm Park')");
        const QByteArray before = fileBytes(path);
        Sql::run("INSERT INTO TblTeam (TeamName) VALUES ('Stopped')");
        program.closeDatabase();
        QByteArray bytes = journal.toLatin1();
        if (journal == "stopped" || journal == "foreign")
            bytes = journalOf(before, fileBytes(path));
        if (journal == "foreign")
            QVERIFY(QFile::remove(path) && QFile::copy(backup, path));
        QFile file(path + "-journal");
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        const QByteArray found = fileBytes(path);
        DatabaseFile::OpenNotes notes;
        QCOMPARE(DatabaseFile::open(path, Sql::kConnectionName, 5000, &notes).failure, QString());
        QCOMPARE(stored("SELECT group_concat(TeamName, ', ') FROM TblTeam"), teams);
        QCOMPARE(stored("PRAGMA integrity_check"), "ok");
        QVERIFY2(said.isEmpty() ? notes.notice.isEmpty() : notes.notice.contains(said),
                 qPrintable(notes.notice));
        const QDir folder(Backups::folderFor(path));
        QStringList aside = folder.entryList(QDir::Files);
        aside.removeAll(QFileInfo(backup).fileName());
        for (QString& name : aside)
            name = name.mid(QStringLiteral("VORNColts-2026-12-07-0512").size());
        QCOMPARE(aside, kept);
        if (journal == "foreign")
            QCOMPARE(fileBytes(path), found);
        if (journal == "stopped") // the file as it was found, before the journal undid the save
            QCOMPARE(fileBytes(folder.filePath(folder.entryList({"*rollback.mdb"}).value(0))),
                     found);
    }

    void savesComposeIntoOneUnit_data() {
        QTest::addColumn<QString>("inner"); // what the inner unit does
        QTest::addColumn<int>("stored");    // riders stored in the end; none: the caller is told
        QTest::newRow("all of it committed") << "commit" << 3;
        QTest::newRow("inner statement refused") << "refused" << 0;
        QTest::newRow("inner failure swallowed") << "swallowed" << 0;
        QTest::newRow("outer statement refused") << "outer refused" << 0;
    }
    void savesComposeIntoOneUnit() {
        QFETCH(QString, inner);
        QFETCH(int, stored);
        TestDistrict program;
        const auto add = [](const char* number) {
            Sql::run("INSERT INTO TblPerson (RiderNumber) VALUES (?)", {number});
        };
        // Each refusal is recorded for support with the statement that was refused.
        if (stored == 0)
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression("UNIQUE constraint failed.*\\| statement "
                                                    "INSERT INTO TblPerson \\(RiderNumber\\)"));
        int caught = 0;
        try {
            Transaction outer;
            add("1");
            try {
                Transaction unit;
                add("2");
                if (inner == "refused" || inner == "swallowed")
                    add("1");
                unit.commit();
            } catch (const DbError&) {
                if (inner != "swallowed")
                    throw;
            }
            add(inner == "outer refused" ? "2" : "3");
            outer.commit();
        } catch (const DbError&) {
            ++caught;
        }
        QCOMPARE(caught, stored ? 0 : 1);
        QCOMPARE(count("SELECT COUNT(*) FROM TblPerson"), stored);
        // The connection is free for the next save.
        Transaction next;
        add("9");
        next.commit();
        QCOMPARE(count("SELECT COUNT(*) FROM TblPerson"), stored + 1);
    }

    void typedRingCounts_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("rings"); // 0: refused
        QTest::newRow("leading zero") << "02" << 2;
        QTest::newRow("spaces") << " 3 " << 3;
        QTest::newRow("0.5 to even is 0") << "0.5" << 0;
        QTest::newRow("2.5") << "2.5" << 2;
        QTest::newRow("words") << "two" << 0;
        QTest::newRow("comma") << "2,5" << 0;
        QTest::newRow("huge") << "1e9" << 0;
    }
    void typedRingCounts() {
        QFETCH(QString, typed);
        QFETCH(int, rings);
        qint16 parsed = 0;
        QCOMPARE(DistrictSettings::parseTypedRings(typed, &parsed) ? int(parsed) : 0, rings);
    }
};

QTEST_MAIN(TestData)
#include "tst_data.moc"
