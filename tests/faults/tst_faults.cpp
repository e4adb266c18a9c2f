// Saves and start-ups under real faults: a full disk, a database the user may not write, a
// journal that cannot be made, a lock held by another program.
#include "app/AppState.h"
#include "app/Controls.h"
#include "app/Startup.h"
#include "data/Backups.h"
#include "data/Sql.h"
#include "support/Faults.h"
#include "support/TestProgram.h"
#include "support/WriteLock.h"
#include "teams/TeamStore.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTest>
#include <QTimer>

namespace {

const QString kStorageAdvice = "this usually means that the disk is full, read-only or failing";

bool saveTeam() {
    return Controls::guarded([] { TeamStore::insertTeam("Fox Run", "A"); });
}

} // namespace

class TestFaults : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }

    void fullDiskStopsTheBackupAndTheSaveButNotTheWork() {
        Faults::FullDisk disk;
        if (!disk.mounted())
            QSKIP(qPrintable(disk.skipReason()));
        TestProgram program(false, disk.path());
        TestProgram::setDistrict("4", 2);
        disk.fill();
        QVERIFY(Startup::start(16000, 12000, program.folder()).running);
        QCOMPARE(visibleWindows(), QStringList{"FrmMain"});
        QCOMPARE(program.presenter.shown.size(), 1);
        QVERIFY2(program.presenter.lastText().contains("could not write its automatic backup"),
                 qPrintable(program.presenter.lastText()));
        QVERIFY(Backups::existing(program.databasePath()).isEmpty());

        program.presenter.clear();
        QVERIFY(!saveTeam());
        QVERIFY2(program.presenter.lastText().contains("full"),
                 qPrintable(program.presenter.lastText()));
        QCOMPARE(count("SELECT COUNT(*) FROM TblTeam"), 0);
    }

    void journalThatCannotBeMadeIsExplained() {
        TestProgram program;
        QVERIFY(QDir().mkpath(program.databasePath() + "-journal"));
        QVERIFY(!saveTeam());
        const QString said = program.presenter.lastText();
        QVERIFY2(said.contains(kStorageAdvice), qPrintable(said));
        QVERIFY(QDir().rmdir(program.databasePath() + "-journal"));
        QCOMPARE(count("SELECT COUNT(*) FROM TblTeam"), 0);
    }

    void databaseTheUserMayNotWrite_data() {
        QTest::addColumn<bool>("fileWritable");
        QTest::addColumn<QString>("notice");
        QTest::newRow("read-only file") << false << "The database file \"%1\" cannot be written";
        QTest::newRow("read-only folder") << true << "The folder \"%2\" that holds the database";
    }
    void databaseTheUserMayNotWrite() {
        QFETCH(bool, fileWritable);
        QFETCH(QString, notice);
        TestProgram program(false);
        const QString path = program.databasePath();
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                        QFile::ReadOther |
                                        (fileWritable ? QFile::WriteGroup | QFile::WriteOther
                                                      : QFile::Permissions()));
        QString skip;
        const QString output = Faults::runUnprivileged(
            Faults::childProgram(), {"start", program.folder()}, program.folder(), &skip);
        if (!skip.isEmpty())
            QSKIP(qPrintable(skip));
        QStringList lines; // the boxes' first lines and the outcome of the save
        for (const QString& line : output.split('\n')) {
            if (line.startsWith("box: ") || line.endsWith("saved"))
                lines << line;
        }
        // One notice at the start, the save's own message, and the program went on.
        QVERIFY2(lines.size() == 3, qPrintable(output));
        notice.replace("%1", path).replace("%2", program.folder());
        QVERIFY2(lines[0].startsWith("box: " + notice), qPrintable(output));
        QVERIFY2(lines[0].contains("No change can be saved until it can be written"),
                 qPrintable(output));
        QVERIFY2(lines[1].startsWith("box: The database could not complete this action"),
                 qPrintable(output));
        QCOMPARE(lines[2], QString("not saved"));
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
        QVERIFY(!saveTeam());
        QCOMPARE(during, Qt::WaitCursor);
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY2(program.presenter.lastText().contains("locked"),
                 qPrintable(program.presenter.lastText()));
    }
};

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
