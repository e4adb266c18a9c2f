// The delivered database and the rules every store relies on.
#include "core/DistrictSettings.h"
#include "data/DbError.h"
#include "data/Transaction.h"
#include "riders/RiderStore.h"
#include "support/TestProgram.h"

class TestData : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }

    void deliveredDatabaseHoldsTheEighteenClasses() {
        TestProgram program;
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
        TestProgram program;
        Sql::run("INSERT INTO TblTeam (TeamName, Division) VALUES ('Oak Ridge', 'A')");
        QVERIFY(!DatabaseFile::createDelivered(program.databasePath()).isEmpty());
        QVERIFY(Sql::exists("SELECT * FROM TblTeam WHERE TeamName = 'oak ridge'"));
    }

    void searchMatchesTheTextLiterallyInAnyLetterCase_data() {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("matches");
        QTest::newRow("plain") << "5" << QStringList{"15", "5", "52", "5%"};
        QTest::newRow("percent") << "%" << QStringList{"5%"};
        QTest::newRow("underscore") << "_" << QStringList{"a_b"};
        QTest::newRow("backslash") << "\\" << QStringList{"x\\y"};
        QTest::newRow("star") << "*" << QStringList{"1*"};
        QTest::newRow("apostrophe") << "o'" << QStringList{"O'Brien"};
        QTest::newRow("accented capital") << "ünïcödé" << QStringList{"Ünïcödé"};
        QTest::newRow("capital E acute") << "émile" << QStringList{"Émile", "E\u0301mile"};
        QTest::newRow("typed decomposed") << "e\u0301m" << QStringList{"Émile", "E\u0301mile"};
        QTest::newRow("tens of thousands of characters") << QString(40000, 'x') << QStringList{};
    }
    void searchMatchesTheTextLiterallyInAnyLetterCase() {
        QFETCH(QString, search);
        QFETCH(QStringList, matches);
        TestProgram program;
        Sql::run("INSERT INTO TblTeam (TeamCode, TeamName) VALUES (1, 'T')");
        int number = 0;
        for (const char* name : {"5", "15", "52", "5%", "a_b", "axb", "x\\y", "1*", "12", "O'Brien",
                                 "Ünïcödé", "Émile", "E\u0301mile", "Emil"})
            Sql::run("INSERT INTO TblPerson (RiderNumber, LastName, TeamCode) VALUES (?, ?, 1)",
                     {++number, QString::fromUtf8(name)});
        QStringList got;
        for (const auto& line : RiderStore::search(RiderStore::SearchField::LastName, search))
            got << line.LastName;
        matches.sort();
        got.sort();
        QCOMPARE(got, matches);
    }

    void recordsLeftInAWriteAheadLogAreTakenIntoTheFile() {
        TestProgram program;
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
        QCOMPARE(DatabaseFile::open(copied, Sql::kConnectionName), QString());
        QCOMPARE(stored("PRAGMA journal_mode"), "delete");
        DatabaseFile::close(Sql::kConnectionName);
        QVERIFY(!QFile::exists(copied + "-wal"));
        QCOMPARE(DatabaseFile::open(copied, Sql::kConnectionName), QString());
        QVERIFY(Sql::exists("SELECT * FROM TblTeam WHERE TeamName = 'In the log'"));
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
        TestProgram program;
        const auto add = [](const char* number) {
            Sql::run("INSERT INTO TblPerson (RiderNumber) VALUES (?)", {number});
        };
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
