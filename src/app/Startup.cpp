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
    Outcome opened = DatabaseFile::open(AppState::DBPath, Sql::kConnectionName,
                                        Connection::kDefaultLockWaitMs, &notes);
    if (!opened.ok() && notes.damaged) {
        if (!restoreNewestGood(&opened, &notes))
            return {false, kDatabaseUnusable};
    }
    if (!opened.ok()) {
        Messages::notice(opened.failure + QStringLiteral("\n\nColtsTracker cannot start."));
        return {false, kDatabaseUnusable};
    }
    // A database that cannot be written still serves for looking up and printing. Only a
    // database that can take changes needs the start-up backup.
    const Outcome writable = DatabaseFile::writeProblem(AppState::DBPath);
    QStringList notices{notes.notice};
    notices << (writable.ok() ? Backups::writeIfChanged(Sql::db(), AppState::DBPath).failure
                              : writable.failure)
            << notes.olderVersion;
    notices.removeAll(QString());
    if (!notices.isEmpty())
        Messages::notice(notices.join(QStringLiteral("\n\n")));

    if (!settings.notice.isEmpty())
        Messages::notice(settings.notice);

    // A ring count edited outside the program into something that is not a whole number of
    // rings counts as not set up, so the settings form asks for it again.
    qint16 rings = 0;
    const bool setUp = districtNumber != QLatin1String("NA") && ringCount != QLatin1String("NA") &&
                       DistrictSettings::parseStoredRings(ringCount, &rings);

    if (setUp) {
        AppState::DistrictNum = districtNumber;
        AppState::NumRings = rings;
        auto* main = new FrmMain;
        main->show();
        main->unsetCursor();
    } else {
        auto* main = new FrmMain;
        auto* form = new FrmSettings;
        form->setOpener(main);
        form->show();
        form->unsetCursor();
    }
    return {true, 0};
}

} // namespace Startup
