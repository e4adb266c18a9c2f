#include "teams/FrmTeamSelect.h"

#include "core/AppState.h"
#include "data/DistrictTables.h"
#include "data/Spreadsheet.h"
#include "data/WholeFile.h"
#include "forms/Controls.h"
#include "forms/Fonts.h"
#include "forms/Messages.h"
#include "riders/FrmImportRiders.h"
#include "teams/FrmCoach.h"
#include "teams/FrmTeam.h"

#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>

namespace {
const QString kDeleteErrorTitle = QStringLiteral("Delete Error");
}

FrmTeamSelect::FrmTeamSelect()
    : FormBase(QStringLiteral("FrmTeamSelect"), QStringLiteral("Team Information"), 9105, 4680) {
    using namespace Controls;
    LblTitle =
        label(this, "LblTitle", "Team Information", 3000, 360, 3135, 495, Fonts::classic(18, true));
    LblTeam = label(this, "LblTeam", "Team", 600, 1200, 855, 255);
    CbTeam = dropDownCombo(this, "CbTeam", 1800, 1200, 6255, 315, Limit::kName);
    CmdEditTeam = button(this, "CmdEditTeam", "Edit Team", 2040, 1680, 1095, 375);
    CmdAddTeam = button(this, "CmdAddTeam", "Add Team", 4320, 1680, 1095, 375);
    CmdDeleteTeam = button(this, "CmdDeleteTeam", "Delete Team", 6720, 1680, 1095, 375);
    LblCoach = label(this, "LblCoach", "Coaches for:", 480, 2760, 975, 255);
    LblCurrentTeam = label(this, "LblCurrentTeam", QString(), 1680, 2760, 2175, 255);
    LbCoaches = listBox(this, "LbCoaches", 1920, 3120, 4815, 1230);
    CmdEditCoach = button(this, "CmdEditCoach", "Edit Coach", 6960, 3120, 1095, 375);
    CmdAddCoach = button(this, "CmdAddCoach", "Add Coach", 6960, 3600, 1095, 375);
    CmdDeleteCoach = button(this, "CmdDeleteCoach", "Delete Coach", 6960, 4080, 1095, 375);
    CmdImport = button(this, "CmdImport", "Import Riders...", 360, 3600, 1335, 375);
    CmdExport = button(this, "CmdExport", "Export District...", 360, 4080, 1335, 375);

    tabOrder({{0, LblTitle},
              {1, CbTeam},
              {2, LblTeam},
              {3, LblCoach},
              {4, LbCoaches},
              {5, CmdEditTeam},
              {6, CmdAddTeam},
              {7, CmdEditCoach},
              {8, CmdAddCoach},
              {9, CmdDeleteCoach},
              {10, CmdDeleteTeam},
              {11, LblCurrentTeam},
              {12, CmdImport},
              {13, CmdExport}});

    // Only a line chosen from the list changes the team; typing in the text part does not.
    connect(CbTeam, &QComboBox::activated, this, &FrmTeamSelect::CbTeam_Click);
    connect(LbCoaches, &QListWidget::itemSelectionChanged, this, &FrmTeamSelect::LbCoaches_Click);
    connect(CmdAddTeam, &QPushButton::clicked, this, &FrmTeamSelect::CmdAddTeam_Click);
    connect(CmdEditTeam, &QPushButton::clicked, this, &FrmTeamSelect::CmdEditTeam_Click);
    connect(CmdDeleteTeam, &QPushButton::clicked, this, &FrmTeamSelect::CmdDeleteTeam_Click);
    connect(CmdAddCoach, &QPushButton::clicked, this, &FrmTeamSelect::CmdAddCoach_Click);
    connect(CmdEditCoach, &QPushButton::clicked, this, &FrmTeamSelect::CmdEditCoach_Click);
    connect(CmdDeleteCoach, &QPushButton::clicked, this, &FrmTeamSelect::CmdDeleteCoach_Click);
    connect(CmdImport, &QPushButton::clicked, this, &FrmTeamSelect::CmdImport_Click);
    connect(CmdExport, &QPushButton::clicked, this, &FrmTeamSelect::CmdExport_Click);

    centre();
    CbTeam->setFocus();
}

void FrmTeamSelect::Form_Activate() {
    QVector<TeamStore::Team> rows;
    const bool read = Controls::guarded([&] { rows = TeamStore::teams(); });
    m_teamRows = rows;
    CbTeam->clear();
    LbCoaches->clear();
    m_coachRows.clear();
    m_currentCoachCode = -1;
    LblCurrentTeam->clear();
    for (const TeamStore::Team& team : m_teamRows)
        CbTeam->addItem(TeamStore::teamLine(team));
    const int line = TeamStore::positionOf(m_teamRows, m_currentTeamCode);
    CbTeam->setCurrentIndex(line);
    if (line >= 0)
        CbTeam_Click(line);
    else if (read)
        m_currentTeamCode = -1; // the team is gone: nothing is current
}

void FrmTeamSelect::CbTeam_Click(int line) {
    if (line < 0 || line >= m_teamRows.size())
        return;
    const TeamStore::Team& team = m_teamRows.at(line);
    m_currentTeamCode = team.TeamCode;
    LblCurrentTeam->setText(team.TeamName);
    FillCoachList();
}

void FrmTeamSelect::FillCoachList() {
    LbCoaches->clear();
    m_coachRows.clear();
    m_currentCoachCode = -1;
    QVector<TeamStore::Coach> rows;
    if (!Controls::guarded([&] { rows = TeamStore::coaches(m_currentTeamCode); }))
        return;
    m_coachRows = rows;
    for (const TeamStore::Coach& coach : m_coachRows)
        LbCoaches->addItem(TeamStore::coachLine(coach));
}

void FrmTeamSelect::LbCoaches_Click() {
    const QList<QListWidgetItem*> selected = LbCoaches->selectedItems();
    const int line = selected.isEmpty() ? -1 : LbCoaches->row(selected.first());
    if (line >= 0 && line < m_coachRows.size())
        m_currentCoachCode = m_coachRows.at(line).CoachCode;
}

void FrmTeamSelect::CmdAddTeam_Click() {
    auto* form = new FrmTeam;
    form->Initialize_Add();
    openScreen(form);
    m_currentTeamCode = -1;
}

void FrmTeamSelect::CmdEditTeam_Click() {
    if (m_currentTeamCode == -1) {
        Messages::notice(QStringLiteral("You must select a team before you can edit it"),
                         QStringLiteral("Edit Error"));
        return;
    }
    auto* form = new FrmTeam;
    form->Initialize_Edit(m_currentTeamCode);
    openScreen(form);
}

void FrmTeamSelect::CmdDeleteTeam_Click() {
    if (m_currentTeamCode == -1) {
        Messages::notice(QStringLiteral("You must select a team to Delete"), kDeleteErrorTitle);
        return;
    }
    bool hasRiders = false;
    if (!Controls::guarded([&] { hasRiders = TeamStore::teamHasRiders(m_currentTeamCode); }))
        return;
    if (hasRiders) {
        Messages::notice(
            QStringLiteral("You cannot delete a team that currently has riders belonging to it"),
            kDeleteErrorTitle);
        return;
    }
    if (!Messages::confirm(QStringLiteral(
            "You are about to delete the selected team and coaches assigned to it. This action "
            "cannot be undone. Are you sure you want to continue?")))
        return;
    if (!Controls::guarded([&] { TeamStore::removeTeam(m_currentTeamCode); }))
        return;
    m_currentTeamCode = -1;
    Form_Activate();
}

void FrmTeamSelect::CmdAddCoach_Click() {
    if (m_currentTeamCode == -1) {
        Messages::notice(
            QStringLiteral("You must first select the team you want to add the coach to."));
        return;
    }
    auto* form = new FrmCoach;
    form->Initialize_Add(m_currentTeamCode);
    openScreen(form);
}

void FrmTeamSelect::CmdEditCoach_Click() {
    if (m_currentCoachCode == -1) {
        Messages::notice(QStringLiteral("You must first select the coach you want to edit."));
        return;
    }
    auto* form = new FrmCoach;
    form->Initialize_Edit(m_currentCoachCode);
    openScreen(form);
}

void FrmTeamSelect::CmdDeleteCoach_Click() {
    if (m_currentCoachCode == -1) {
        Messages::notice(QStringLiteral("You must select a coach to delete"), kDeleteErrorTitle);
        return;
    }
    if (!Messages::confirm(QStringLiteral("Clicking OK will delete the selected Coach and cannot "
                                          "be undone. Are you sure you want to continue?")))
        return;
    if (!Controls::guarded([&] { TeamStore::removeCoach(m_currentCoachCode); }))
        return;
    Form_Activate();
}

void FrmTeamSelect::CmdImport_Click() {
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Import Riders"),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        QStringLiteral("Rosters (*.csv *.xlsx *.ods);;All files (*)"));
    if (!path.isEmpty())
        importFrom(path);
}

void FrmTeamSelect::importFrom(const QString& path) {
    auto* form = new FrmImportRiders;
    if (form->InitializeForm(path))
        openScreen(form);
    else
        delete form;
}

bool FrmTeamSelect::exportTo(const QString& path) {
    QVector<Sheet> sheets;
    if (!Controls::guarded([&] { sheets = DistrictTables::read(); }))
        return false;
    return Messages::saved(path, Spreadsheet::writeWorkbook(path, sheets));
}

void FrmTeamSelect::CmdExport_Click() {
    // The district number as typed may hold characters no file name may.
    const QString name = WholeFile::fileName(
        QStringLiteral("District %1 %2.xlsx")
            .arg(AppState::DistrictNum, QDate::currentDate().toString(Qt::ISODate)));
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export District"),
                                                      QDir(folder).filePath(name),
                                                      QStringLiteral("Excel workbooks (*.xlsx)"));
    if (!path.isEmpty())
        exportTo(path);
}
