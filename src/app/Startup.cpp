#include "app/Startup.h"

#include "core/AppState.h"
#include "core/DistrictSettings.h"
#include "app/FrmMain.h"
#include "app/FrmSettings.h"
#include "forms/Messages.h"
#include "core/Twips.h"
#include "data/Backups.h"
#include "data/DatabaseFile.h"
#include "data/Sql.h"

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

    const QString error = DatabaseFile::open(AppState::DBPath, Sql::kConnectionName);
    if (!error.isEmpty()) {
        Messages::notice(error + QStringLiteral("\n\nColtsTracker cannot start."));
        return {false, kDatabaseUnusable};
    }
    // A database that cannot be written still serves for looking up and printing. Only a
    // database that can take changes needs the start-up backup.
    const QString writeProblem = DatabaseFile::writeProblem(AppState::DBPath);
    const QString notice = writeProblem.isEmpty()
                               ? Backups::writeIfChanged(Sql::db(), AppState::DBPath)
                               : writeProblem;
    if (!notice.isEmpty())
        Messages::notice(notice);

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
