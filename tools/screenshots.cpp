// coltstracker-screenshots PROGRAM_FOLDER OUT_FOLDER: pictures of every screen of a meet, for
// the guide in the README, taken on the district in the program folder (made with
// coltstracker-district). tools/screenshots.sh runs it under Xvfb.
#include "app/FrmBackups.h"
#include "app/FrmMain.h"
#include "app/FrmSettings.h"
#include "core/AppState.h"
#include "core/Twips.h"
#include "data/Backups.h"
#include "data/DatabaseFile.h"
#include "data/Sql.h"
#include "data/WholeFile.h"
#include "entries/FrmEntries.h"
#include "entries/frmClassAssignments.h"
#include "forms/Fonts.h"
#include "forms/WindowConventions.h"
#include "placings/FrmAssignments.h"
#include "placings/FrmPlaceAssign.h"
#include "placings/FrmPointStanding.h"
#include "reports/FrmDataReports.h"
#include "reports/ReportPreview.h"
#include "reports/ReportWindow.h"
#include "riders/FrmImportRiders.h"
#include "riders/FrmRiderSearch.h"
#include "rings/FrmRingAssign.h"
#include "teams/FrmTeamSelect.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QScreen>
#include <QSqlQuery>
#include <cstdio>

namespace {

QDir g_out;

void shoot(QWidget* w, const char* file) {
    w->show();
    for (int k = 0; k < 5; ++k)
        QApplication::processEvents();
    w->grab().save(g_out.filePath(QString::fromLatin1(file)));
    std::printf("%s\n", file);
}

template <typename T = QWidget> T* child(QWidget* w, const char* name) {
    return w->findChild<T*>(QString::fromLatin1(name));
}

void choose(QWidget* w, const char* list, int line) {
    auto* box = child<QComboBox>(w, list);
    box->setCurrentIndex(line);
    emit box->activated(line);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: coltstracker-screenshots PROGRAM_FOLDER OUT_FOLDER\n");
        return 2;
    }
    WindowConventions::install(app);
    g_out = QDir(args.at(2));
    g_out.mkpath(QStringLiteral("."));
    AppState::AppPath = args.at(1);
    AppState::DistrictNum = QStringLiteral("7");
    AppState::NumRings = 2;
    const QRect screen = QApplication::primaryScreen()->geometry();
    AppState::ScreenWidth = Twips::fromPixels(screen.width());
    AppState::ScreenHeight = Twips::fromPixels(screen.height());
    const QString error =
        DatabaseFile::open(QDir(args.at(1)).filePath(DatabaseFile::kFileName), Sql::kConnectionName)
            .failure;
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }

    auto* main = new FrmMain;
    child<QAbstractButton>(main, "CmdRecord")->click();
    shoot(main, "01-main.png");
    shoot(new FrmSettings, "02-settings.png");
    auto* teams = new FrmTeamSelect;
    teams->show();
    choose(teams, "CbTeam", 1);
    shoot(teams, "03-teams.png");
    auto* riders = new FrmRiderSearch;
    child<QLineEdit>(riders, "TxtSearchFor")->setText(QStringLiteral("son"));
    riders->show();
    child<QAbstractButton>(riders, "CmdSearch")->click();
    shoot(riders, "04-riders.png");
    auto* ringForm = new FrmRingAssign;
    ringForm->Initialize_Form(1);
    shoot(ringForm, "05-rings.png");
    auto* entries = new FrmEntries;
    entries->Set_Week(1);
    entries->show();
    child<QComboBox>(entries, "CbTeamName")->setCurrentIndex(2);
    shoot(entries, "06-entries.png");
    auto* grid = new frmClassAssignments;
    grid->InitializeForm(Sql::first<int>("SELECT TeamCode FROM TblTeam ORDER BY TeamName", {},
                                         [](const QSqlQuery& q) { return q.value(0).toInt(); })
                             .value_or(1),
                         1);
    shoot(grid, "07-class-entries.png");
    grid->hide();
    auto* sheets = new FrmDataReports;
    sheets->Set_Week(1);
    sheets->show();
    child<QComboBox>(sheets, "CbRing")->setCurrentIndex(0);
    child<QComboBox>(sheets, "CbClass")->setCurrentIndex(3);
    shoot(sheets, "08-class-sheets.png");
    child<QAbstractButton>(sheets, "CmdViewReport")->click();
    auto* sheet = ReportWindow::find(Reports::Kind::ClassEntries);
    child<ReportPreview>(sheet, "Preview")->fitToWidth();
    shoot(sheet, "09-class-sheet.png");
    sheet->close();
    auto* selector = new FrmAssignments;
    selector->Set_Week(1);
    selector->show();
    child<QComboBox>(selector, "CbRing")->setCurrentIndex(0);
    child<QComboBox>(selector, "CbClass")->setCurrentIndex(3);
    shoot(selector, "10-placings-selector.png");
    auto* placing = new FrmPlaceAssign;
    placing->InitializeForm({1, 4, 1});
    shoot(placing, "11-placings.png");
    auto* standings = new FrmPointStanding;
    standings->InitializeForm(1);
    shoot(standings, "12-standings.png");
    standings->hide();
    auto* report = ReportWindow::open(Reports::Kind::TeamStandings, Reports::teamStandings());
    child<ReportPreview>(report, "Preview")->fitToWidth();
    shoot(report, "13-team-standings.png");
    report->hide();
    AppState::DBPath = QDir(args.at(1)).filePath(DatabaseFile::kFileName);
    if (!Backups::write(Sql::db(), AppState::DBPath).ok())
        return 1;
    shoot(new FrmBackups, "14-backups.png");
    main->show();
    child<QAbstractButton>(main, "CmdReports")->click();
    shoot(main, "15-reports.png");
    child<QAbstractButton>(main, "CmdRiderStandings")->click();
    auto* riderStandings = ReportWindow::find(Reports::Kind::RiderStandings);
    shoot(riderStandings, "16-rider-standings.png");
    riderStandings->hide();
    main->show();
    child<QAbstractButton>(main, "CmdMeetResults")->click();
    shoot(ReportWindow::find(Reports::Kind::MeetResults), "17-meet-results.png");
    // A roster with riders to add, a new team, and rows refused.
    const QString team =
        Sql::first<QString>("SELECT TeamName FROM TblTeam ORDER BY TeamName", {},
                            [](const QSqlQuery& q) { return q.value(0).toString(); })
            .value_or(QString());
    const QString taken =
        Sql::first<QString>("SELECT RiderNumber FROM TblPerson ORDER BY rowid", {},
                            [](const QSqlQuery& q) { return q.value(0).toString(); })
            .value_or(QString());
    const QString roster =
        QStringLiteral("Rider Number,First Name,Last Name,Team,Division\n901,Ava,Berg,%1,\n"
                       "902,Ben,Cole,Willow Creek,B\n903,Cara,Dunn,Willow Creek,\n%2,Dan,Eck,%1,\n"
                       "904,,Fay,%1,\n905,Gus,Hay,Elm Farm,\n902,Ivy,Lowe,%1,\n906,Jo,Moss,%1,\n")
            .arg(team, taken);
    const QString rosterPath = QDir(args.at(1)).filePath(QStringLiteral("roster.csv"));
    if (!WholeFile::write(rosterPath, roster.toUtf8()).ok())
        return 1;
    auto* import = new FrmImportRiders;
    if (!import->InitializeForm(rosterPath))
        return 1;
    shoot(import, "18-import.png");
    return 0;
}
