// Saves and start-ups under real faults: a full disk, a database the user may not write, a
// journal that cannot be made, a lock held by another program.
#include "app/Controls.h"
#include "app/Startup.h"
#include "data/Backups.h"
#include "support/Faults.h"
#include "support/TestProgram.h"
#include "support/WriteLock.h"
#include "teams/TeamStore.h"

#include <QGuiApplication>
#include <QTimer>
#include <sys/stat.h>

class TestFaults : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }

    void fullDiskStopsTheBackupAndTheSaveButNotTheWork() {
        Faults::FullDisk disk;
        if (!disk.skipReason.isEmpty())
            QSKIP(qPrintable(disk.skipReason));
        TestProgram program(false, disk.path());
        TestProgram::setDistrict("4", "2");
        disk.fill();
        QVERIFY(Startup::start(16000, 12000, program.folder()).running);
        QCOMPARE(visibleWindows(), QStringList{"FrmMain"});
        QVERIFY(Backups::existing(program.databasePath()).isEmpty());
        QVERIFY(!Controls::guarded([] { TeamStore::insertTeam("Fox Run", "A"); }));
        // One notice at the start, then the save's own message.
        const QStringList said = program.presenter.texts();
        QVERIFY2(said.size() == 2 && said[0].contains("could not write its automatic backup") &&
                     said[1].contains("full"),
                 qPrintable(said.join('\n')));
        QCOMPARE(count("SELECT COUNT(*) FROM TblTeam"), 0);
    }

    void journalThatCannotBeMadeIsExplained() {
        TestProgram program;
        QVERIFY(QDir().mkpath(program.databasePath() + "-journal"));
        QVERIFY(!Controls::guarded([] { TeamStore::insertTeam("Fox Run", "A"); }));
        const QString said = program.presenter.lastText();
        QVERIFY2(said.contains("this usually means that the disk is full, read-only or failing"),
                 qPrintable(said));
        QVERIFY(QDir().rmdir(program.databasePath() + "-journal"));
        QCOMPARE(count("SELECT COUNT(*) FROM TblTeam"), 0);
    }

    void databaseTheUserMayNotWrite_data() {
        QTest::addColumn<int>("fileMode");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<bool>("older"); // of the version before the relay indexes
        const QString file = "The database file \"%1\" cannot be written";
        const QString folder = "The folder \"%2\" that holds the database";
        QTest::newRow("read-only file") << 0644 << file << false;
        QTest::newRow("read-only folder") << 0666 << folder << false;
        QTest::newRow("read-only file, older version") << 0644 << file << true;
        QTest::newRow("read-only folder, older version") << 0666 << folder << true;
    }
    void databaseTheUserMayNotWrite() {
        QFETCH(int, fileMode);
        QFETCH(QString, notice);
        QFETCH(bool, older);
        TestProgram program(false);
        const QString path = program.databasePath();
        if (older) {
            program.openDatabase();
            Sql::run("DROP INDEX IdxPairingWeekRider");
            Sql::run("DROP INDEX IdxPairingWeekPartner");
            Sql::run("PRAGMA user_version = 1");
            program.closeDatabase();
        }
        QCOMPARE(::chmod(qPrintable(path), fileMode), 0);
        QString skip;
        const QString output = Faults::runUnprivileged(
            Faults::kChildProgram, {"start", program.folder()}, program.folder(), &skip);
        if (!skip.isEmpty())
            QSKIP(qPrintable(skip));
        // One notice at the start, the save's own message, and the program went on.
        const QStringList said = output.split('\n').filter(QRegularExpression("^box: |saved$"));
        notice = "box: " + notice.replace("%1", path).replace("%2", program.folder());
        QVERIFY2(said.size() == 3 && said[0].startsWith(notice) &&
                     said[0].contains("No change can be saved until it can be written") &&
                     said[1].startsWith("box: The database could not complete this action") &&
                     said[2] == "not saved" &&
                     output.contains("It will be brought up to date once it can be written.") ==
                         older,
                 qPrintable(output));
        QVERIFY(!QFile::exists(Backups::folderFor(path)));
    }

    void saveWaitingForALockShowsTheBusyCursor() {
        TestProgram program;
        WriteLock lock(program, 300);
        // Runs only if the wait lets the program paint and handle its own events.
        Qt::CursorShape during = Qt::ArrowCursor;
        QTimer::singleShot(0, [&] {
            if (QCursor* c = QGuiApplication::overrideCursor())
                during = c->shape();
        });
        QVERIFY(!Controls::guarded([] { TeamStore::insertTeam("Fox Run", "A"); }));
        QCOMPARE(during, Qt::WaitCursor);
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(program.presenter.lastText(), Texts::kLocked);
    }
};

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
