#include "entries/FrmEntries.h"

#include "entries/EntryStore.h"
#include "entries/frmClassAssignments.h"
#include "forms/Controls.h"
#include "forms/Fonts.h"
#include "forms/Messages.h"
#include "reports/FrmDataReports.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

FrmEntries::FrmEntries()
    : FormBase(QStringLiteral("FrmEntries"), QStringLiteral("Team Entries"), 7695, 4215) {
    using namespace Controls;
    LblTeamClass = label(this, "LblTeamClass", "Class Entry Form", 480, 600, 2535, 255,
                         Fonts::classic(12, true));
    Line1 = line(this, "Line1", 120, 1200, 7560, 1200, 2);
    LblTeam = label(this, "LblTeam", "Team", 480, 1560, 1335, 255, Fonts::classic(9.75, true));
    CbTeamName = dropDownList(this, "CbTeamName", 480, 1920, 4455, 315);
    CmdSubmit = button(this, "CmdSubmit", "Add Entries", 5520, 1920, 1815, 375);
    setMainButton(CmdSubmit);
    Line2 = line(this, "Line2", 120, 2760, 7560, 2760, 2);
    CmdReports = button(this, "CmdReports", "Generate Class Sheets", 2760, 3120, 2175, 615);
    tabOrder({{0, CmdSubmit}, {1, CbTeamName}, {2, CmdReports}});
    connect(CmdSubmit, &QPushButton::clicked, this, &FrmEntries::CmdSubmit_Click);
    connect(CmdReports, &QPushButton::clicked, this, &FrmEntries::CmdReports_Click);

    centre();
    Controls::guarded([&] { m_teams = TeamStore::teams(); });
    for (const TeamStore::Team& team : m_teams)
        CbTeamName->addItem(team.TeamName);
    CbTeamName->setCurrentIndex(-1);
}

void FrmEntries::Set_Week(qint16 meet) {
    m_week = meet;
}

void FrmEntries::CmdReports_Click() {
    auto* form = new FrmDataReports;
    form->Set_Week(m_week);
    openScreen(form);
}

void FrmEntries::CmdSubmit_Click() {
    const int position = CbTeamName->currentIndex();
    if (position < 0 || position >= m_teams.size()) {
        Messages::notice(QStringLiteral("Please Provide the Team to be Entered"));
        return;
    }
    m_teamCode = m_teams.at(position).TeamCode;
    bool hasRiders = false;
    if (!Controls::guarded([&] { hasRiders = TeamStore::teamHasRiders(m_teamCode); }))
        return;
    if (!hasRiders) {
        Messages::notice(QStringLiteral("There are currently no riders for the selected team."));
        return;
    }
    auto* grid = new frmClassAssignments;
    if (grid->InitializeForm(m_teamCode, m_week))
        openScreen(grid);
    else
        grid->deleteLater(); // it has said why; this form stays
}
