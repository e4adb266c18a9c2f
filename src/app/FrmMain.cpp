#include "app/FrmMain.h"

#include "app/FrmSettings.h"
#include "core/AppState.h"
#include "entries/FrmEntries.h"
#include "forms/Controls.h"
#include "forms/Fonts.h"
#include "forms/Messages.h"
#include "placings/FrmAssignments.h"
#include "reports/ReportWindow.h"
#include "riders/FrmRiderSearch.h"
#include "rings/FrmRingAssign.h"
#include "teams/FrmTeamSelect.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

FrmMain::FrmMain()
    : FormBase(QStringLiteral("FrmMain"), QStringLiteral("Main Control Form"), 10245, 7815) {
    using namespace Controls;
    const QFont group = Fonts::classic(12, true);
    const QFont function = Fonts::classic(9.75, true);

    LblHeader = label(this, "LblHeader", QString(), 840, 240, 8415, 735, Fonts::classic(24, true));
    CmdAdmin = button(this, "CmdAdmin", "Administration", 1560, 2040, 2775, 735, group);
    CmdRecord = button(this, "CmdRecord", "Record Keeping", 1560, 3960, 2775, 735, group);
    LblWeek = label(this, "LblWeek", "Meet Number", 1680, 4920, 1575, 375, function);
    CbWeek = dropDownList(this, "CbWeek", 3480, 4920, 615, 360, function);
    CbWeek->addItems({"1", "2", "3"});
    CmdReports = button(this, "CmdReports", "Reports", 1560, 5880, 2775, 735, group);
    CmdDistrict = button(this, "CmdDistrict", "District Setup", 6240, 1680, 1575, 1455, function);
    CmdTeam = button(this, "CmdTeam", "Team Management", 6240, 3720, 1575, 1455, function);
    CmdRider = button(this, "CmdRider", "Rider Management", 6240, 5760, 1575, 1455, function);
    CmdRing = button(this, "CmdRing", "Ring Assignments", 6240, 1680, 1575, 1455, function);
    CmdEntry = button(this, "CmdEntry", "Entry Booth", 6240, 3720, 1575, 1455, function);
    Cmdplacings = button(this, "Cmdplacings", "Class Placings", 6240, 5760, 1575, 1455, function);
    CmdStandingsRpt =
        button(this, "CmdStandingsRpt", "Team Standings", 6240, 1680, 1575, 1455, function);
    CmdMeetResults =
        button(this, "CmdMeetResults", "Meet Results", 6240, 3720, 1575, 1455, function);
    CmdRiderStandings =
        button(this, "CmdRiderStandings", "Rider Standings", 6240, 5760, 1575, 1455, function);

    tabOrder({{0, LblHeader},
              {1, CmdRider},
              {2, CmdRing},
              {3, CmdEntry},
              {4, Cmdplacings},
              {5, LblWeek},
              {6, CbWeek},
              {7, CmdAdmin},
              {8, CmdRecord},
              {9, CmdTeam},
              {10, CmdDistrict},
              {11, CmdReports},
              {12, CmdStandingsRpt},
              {13, CmdMeetResults},
              {14, CmdRiderStandings}});

    connect(CmdAdmin, &QPushButton::clicked, this, &FrmMain::CmdAdmin_Click);
    connect(CmdRecord, &QPushButton::clicked, this, &FrmMain::CmdRecord_Click);
    connect(CmdReports, &QPushButton::clicked, this, &FrmMain::CmdReports_Click);
    connect(CmdDistrict, &QPushButton::clicked, this, &FrmMain::CmdDistrict_Click);
    connect(CmdTeam, &QPushButton::clicked, this, &FrmMain::CmdTeam_Click);
    connect(CmdRider, &QPushButton::clicked, this, &FrmMain::CmdRider_Click);
    connect(CmdRing, &QPushButton::clicked, this, &FrmMain::CmdRing_Click);
    connect(CmdEntry, &QPushButton::clicked, this, &FrmMain::CmdEntry_Click);
    connect(Cmdplacings, &QPushButton::clicked, this, &FrmMain::Cmdplacings_Click);
    connect(CmdStandingsRpt, &QPushButton::clicked, this, &FrmMain::CmdStandingsRpt_Click);
    connect(CmdMeetResults, &QPushButton::clicked, this, &FrmMain::CmdMeetResults_Click);
    connect(CmdRiderStandings, &QPushButton::clicked, this, &FrmMain::CmdRiderStandings_Click);

    HideAllButtons();
    centre();
    CbWeek->setCurrentIndex(0);
    Set_Title();
}

void FrmMain::Set_Title() {
    LblHeader->setText(QStringLiteral("Welcome to District ") + AppState::DistrictNum +
                       QStringLiteral(" Data Tracker"));
}

qint16 FrmMain::meetNumber() const {
    const int position = CbWeek->currentIndex();
    return position < 0 ? qint16(-1) : qint16(position + 1);
}

bool FrmMain::chosenMeet(const QString& message, qint16* meet) {
    *meet = meetNumber();
    if (*meet < 0) {
        Messages::notice(message);
        return false;
    }
    return true;
}

void FrmMain::HideAllButtons() {
    for (QPushButton* b : {CmdDistrict, CmdTeam, CmdRider, CmdEntry, CmdRing, Cmdplacings,
                           CmdStandingsRpt, CmdMeetResults, CmdRiderStandings})
        b->hide();
}

void FrmMain::showGroup(const QVector<QPushButton*>& buttons) {
    HideAllButtons();
    for (QPushButton* b : buttons)
        b->show();
}

void FrmMain::CmdAdmin_Click() {
    showGroup({CmdDistrict, CmdTeam, CmdRider});
}

void FrmMain::CmdRecord_Click() {
    showGroup({CmdRing, CmdEntry, Cmdplacings});
}

void FrmMain::CmdReports_Click() {
    showGroup({CmdStandingsRpt, CmdMeetResults, CmdRiderStandings});
}

void FrmMain::CmdDistrict_Click() {
    openScreen(new FrmSettings);
}

void FrmMain::CmdTeam_Click() {
    openScreen(new FrmTeamSelect);
}

void FrmMain::CmdRing_Click() {
    qint16 meet = 0;
    if (!chosenMeet(QStringLiteral("Please select the appropriate week."), &meet))
        return;
    auto* form = new FrmRingAssign;
    form->Initialize_Form(meet);
    openScreen(form);
}

void FrmMain::CmdEntry_Click() {
    qint16 meet = 0;
    if (!chosenMeet(QStringLiteral("Please select the appropriate week"), &meet))
        return;
    auto* form = new FrmEntries;
    form->Set_Week(meet);
    openScreen(form);
}

void FrmMain::Cmdplacings_Click() {
    qint16 meet = 0;
    if (!chosenMeet(QStringLiteral("Please select the appropriate week."), &meet))
        return;
    auto* form = new FrmAssignments;
    form->Set_Week(meet);
    openScreen(form);
}

void FrmMain::CmdStandingsRpt_Click() {
    QVector<Report::Row> rows;
    if (Controls::guarded([&] { rows = Reports::teamStandings(); }))
        ReportWindow::open(Reports::Kind::TeamStandings, rows);
}

void FrmMain::CmdMeetResults_Click() {
    qint16 meet = 0;
    if (!chosenMeet(QStringLiteral("Please select the appropriate week."), &meet))
        return;
    QVector<Report::Row> rows;
    if (Controls::guarded(
            [&] { rows = Reports::meetResults(AppState::DistrictNum, meet, AppState::NumRings); }))
        ReportWindow::open(Reports::Kind::MeetResults, rows, {},
                           QStringLiteral("Meet %1").arg(meet));
}

void FrmMain::CmdRiderStandings_Click() {
    QVector<Report::Row> rows;
    if (Controls::guarded([&] { rows = Reports::riderStandings(); }))
        ReportWindow::open(Reports::Kind::RiderStandings, rows);
}

void FrmMain::CmdRider_Click() {
    openScreen(new FrmRiderSearch);
}
