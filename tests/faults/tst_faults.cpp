// Saves and start-ups under real faults: a full disk, a database the user may not write, a
// journal that cannot be made, a lock held by another program.
#include "app/Startup.h"
#include "data/Backups.h"
#include "forms/Controls.h"
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

    void reportFileThatDoesNotFitIsNotLeftBehind_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("room"); // bytes left on the disk
        QTest::newRow("PDF, disk full") << "pdf" << 0;
        QTest::newRow("PDF, room for a part of it") << "pdf" << 4096;
        QTest::newRow("CSV, disk full") << "csv" << 0;
    }
    void reportFileThatDoesNotFitIsNotLeftBehind() {
        QFETCH(QString, type);
        QFETCH(int, room);
        Faults::FullDisk disk;
        if (!disk.skipReason.isEmpty())
            QSKIP(qPrintable(disk.skipReason));
        TestProgram program;
        Sql::run("INSERT INTO TblTeam (TeamCode, TeamName, Division) VALUES (1, 'Oak', 'A')");
        Sql::run("INSERT INTO TblPerson (RiderNumber, FirstName, TeamCode) VALUES ('1', 'Ann', 1)");
        ReportWindow* report = ReportWindow::open(Reports::Kind::RiderList, Reports::riderList());
        disk.fill();
        QFile filler(disk.path() + "/filler");
        QVERIFY(filler.resize(filler.size() - room));
        const QString path = disk.path() + "/riders." + type;
        QVERIFY(!(type == "pdf" ? report->savePdf(path) : report->saveCsv(path)));
        QCOMPARE(program.presenter.texts(),
                 QStringList{"The file \"" + path + "\" could not be saved: the disk is full."});
        QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"filler"});
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
            for (const QString& statement : kOlderVersion)
                Sql::run(statement);
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
