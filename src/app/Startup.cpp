#include "app/Startup.h"

#include "app/FrmMain.h"
#include "app/FrmSettings.h"
#include "core/AppState.h"
#include "core/DistrictSettings.h"
#include "core/Twips.h"
#include "data/Backups.h"
#include "data/Connection.h"
#include "data/DatabaseFile.h"
#include "data/Sql.h"
#include "forms/Messages.h"

#include <QApplication>
#include <QEventLoop>
#include <QThread>
#include <QWidget>

namespace {

// Offers to put the newest good backup in place of the damaged database that `opened`
// describes, when there is one. False when the secretary declines; otherwise `opened` is ok
// once the backup is in place and open, or still says what is wrong.
bool restoreNewestGood(Outcome* opened, DatabaseFile::OpenNotes* notes) {
    const QString folder = Backups::folderFor(AppState::DBPath);
    const QString copy = DatabaseFile::newestGoodCopy(AppState::DBPath);
    if (copy.isEmpty())
        return true;
    if (!Messages::confirm(opened->failure +
                           QStringLiteral("\n\nThe damaged file will be kept in the "
                                          "folder \"%1\". Restore the newest good "
                                          "backup, from %2, now?")
                               .arg(folder, Backups::whenMade(copy))))
        return false;
    *opened = DatabaseFile::restore(copy, AppState::DBPath, Sql::kConnectionName, notes);
    return true;
}

// The first windows: the main control form, or, for a district not yet set up, the settings
// form that opens it. Returns every window made, the first one last.
QList<QWidget*> firstWindows(bool setUp) {
    auto* main = new FrmMain;
    if (setUp) {
        main->show();
        main->unsetCursor();
        return {main};
    }
    auto* form = new FrmSettings;
    form->setOpener(main);
    form->show();
    form->unsetCursor();
    return {form, main};
}

// Keeps every window open while it is installed: a close request (the title bar's close
// button) is refused, like any other input while the start-up check runs.
class HoldOpen : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Close)
            return false;
        event->ignore();
        return true;
    }
};

// Runs the part of opening that reads the whole file (DatabaseFile::checkWhole) on a thread of
// its own once `show` has built and shown the first windows, so that a large district does not
// keep its windows from the screen. Until the check is done the windows are painted but take
// no input, so nothing is changed in a file not yet known to be sound; when it is found
// damaged, the windows are closed again.
template <typename Show> DatabaseFile::WholeCheck checkWhileShowing(bool integrity, Show show) {
    DatabaseFile::WholeCheck out;
    QThread* thread = QThread::create([&out, path = AppState::DBPath, integrity] {
        out = DatabaseFile::checkWhole(path, integrity);
    });
    QEventLoop wait;
    QObject::connect(thread, &QThread::finished, &wait, &QEventLoop::quit);
    // The check starts once the windows are up, so that the two do not compete for the
    // processor.
    const QList<QWidget*> windows = show();
    thread->start();
    if (!thread->isFinished()) {
        HoldOpen hold;
        qApp->installEventFilter(&hold);
        wait.exec(QEventLoop::ExcludeUserInputEvents);
        qApp->removeEventFilter(&hold);
    }
    thread->wait();
    delete thread;
    if (!out.sound.ok())
        qDeleteAll(windows);
    return out;
}

} // namespace

namespace Startup {

Result start(qint32 screenWidthTwips, qint32 screenHeightTwips, const QString& appPath) {
    const DistrictSettings::Stored settings = DistrictSettings::read();
    const QString districtNumber = settings.districtNumber;
    const QString ringCount = settings.numberOfRings;

    AppState::ScreenWidth = screenWidthTwips;
    AppState::ScreenHeight = screenHeightTwips;
    if (!Twips::screenLargeEnough(screenWidthTwips, screenHeightTwips)) {
        Messages::notice(QStringLiteral("Gallomark cannot be used on a machine having a screen "
                                        "resolution less than 800X600 DPI"));
        return {false, kScreenTooSmall};
    }

    AppState::DistrictNum.clear();
    AppState::NumRings = 0;
    AppState::AppPath = appPath;
    AppState::DBPath = appPath + QStringLiteral("/") + DatabaseFile::kFileName;

    DatabaseFile::OpenNotes notes;
    Outcome opened =
        DatabaseFile::open(AppState::DBPath, Sql::kConnectionName, Connection::kDefaultLockWaitMs,
                           &notes, DatabaseFile::Check::Deferred);
    // A ring count edited outside the program into something that is not a whole number of
    // rings counts as not set up, so the settings form asks for it again.
    qint16 rings = 0;
    const bool setUp = districtNumber != QLatin1String("NA") && ringCount != QLatin1String("NA") &&
                       DistrictSettings::parseStoredRings(ringCount, &rings);
    Outcome backup;
    for (;;) {
        if (!opened.ok() && notes.damaged) {
            if (!restoreNewestGood(&opened, &notes)) {
                DatabaseFile::close(Sql::kConnectionName);
                return {false, kDatabaseUnusable};
            }
        }
        if (!opened.ok()) {
            DatabaseFile::close(Sql::kConnectionName);
            Messages::notice(opened.failure + QStringLiteral("\n\nColtsTracker cannot start."));
            return {false, kDatabaseUnusable};
        }
        const DatabaseFile::WholeCheck found = checkWhileShowing(notes.wholeCheckLeft, [&] {
            AppState::DistrictNum = setUp ? districtNumber : QString();
            AppState::NumRings = setUp ? rings : 0;
            return firstWindows(setUp);
        });
        if (found.sound.ok()) {
            backup = found.backup;
            break;
        }
        // As when opening fails: the file is closed, so that a restore keeps it aside as
        // damaged rather than as a backup.
        DatabaseFile::close(Sql::kConnectionName);
        AppState::DistrictNum.clear();
        AppState::NumRings = 0;
        opened = found.sound;
        notes.damaged = found.damaged;
        notes.wholeCheckLeft = false;
    }
    QStringList notices{notes.notice, backup.failure, notes.olderVersion};
    notices.removeAll(QString());
    if (!notices.isEmpty())
        Messages::notice(notices.join(QStringLiteral("\n\n")));

    if (!settings.notice.isEmpty())
        Messages::notice(settings.notice);
    return {true, 0};
}

} // namespace Startup
