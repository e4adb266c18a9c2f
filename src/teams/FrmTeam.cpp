#include "teams/FrmTeam.h"

#include "forms/Controls.h"
#include "forms/Fonts.h"
#include "forms/Messages.h"
#include "teams/TeamStore.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

namespace {
const QString kSubmitErrorTitle = QStringLiteral("Submit Error");
}

FrmTeam::FrmTeam() : FormBase(QStringLiteral("FrmTeam"), QStringLiteral("Team Form"), 9465, 3315) {
    using namespace Controls;
    LblTitle = label(this, "LblTitle", "Team Form", 3360, 240, 2175, 735, Fonts::classic(18, true));
    LblTeamName = label(this, "LblTeamName", "Team Name", 600, 1320, 1095, 255);
    TxtTeam = textBox(this, "TxtTeam", 1800, 1320, 3255, 375, Limit::kName);
    LblDivision = label(this, "LblDivision", "Division", 6480, 1320, 855, 255);
    // Choice from the list only: the rest of the program groups teams by exactly these letters.
    CbDivision = dropDownList(this, "CbDivision", 7560, 1320, 975, 315);
    CbDivision->addItems(TeamStore::kDivisions);
    CbDivision->setCurrentIndex(-1);
    CmdSubmit = button(this, "CmdSubmit", "Submit", 1560, 2280, 2535, 495);
    CmdCancel = button(this, "CmdCancel", "Cancel", 5280, 2280, 2535, 495);
    setMainButton(CmdSubmit);
    setCancelButton(CmdCancel);

    tabOrder({{0, TxtTeam},
              {1, LblTeamName},
              {2, LblDivision},
              {3, CbDivision},
              {4, LblTitle},
              {5, CmdSubmit},
              {6, CmdCancel}});

    connect(CmdSubmit, &QPushButton::clicked, this, &FrmTeam::CmdSubmit_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &FrmTeam::CmdCancel_Click);

    setAsksBeforeClosing();
    centre();
    TxtTeam->setFocus();
}

void FrmTeam::Initialize_Add() {
    m_editMode = false;
    TxtTeam->clear();
}

void FrmTeam::Initialize_Edit(qint32 teamCode) {
    m_editMode = true;
    m_editTeamCode = teamCode;
    std::optional<TeamStore::Team> team;
    if (!Controls::guarded([&] { team = TeamStore::findTeam(teamCode); }))
        return;
    if (!team) {
        Messages::notice(QStringLiteral("This team is no longer stored."));
        CmdSubmit->setEnabled(false);
        return;
    }
    TxtTeam->setText(team->TeamName);
    // Exact letters only: any other stored value leaves the division unchosen.
    CbDivision->setCurrentIndex(
        CbDivision->findText(team->Division, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void FrmTeam::CmdSubmit_Click() {
    if (!Messages::confirm(Messages::kSaveQuestion))
        return;
    if (TxtTeam->text().isEmpty()) {
        Messages::notice(QStringLiteral("The Team Name box must be filled in"), kSubmitErrorTitle);
        return;
    }
    if (CbDivision->currentIndex() < 0) {
        Messages::notice(QStringLiteral("You must select a division for this team"),
                         kSubmitErrorTitle);
        return;
    }
    const TeamStore::Team team{m_editTeamCode, TxtTeam->text(), CbDivision->currentText()};
    const bool saved = Controls::guarded([&] {
        if (m_editMode)
            TeamStore::updateTeam(team);
        else
            TeamStore::insertTeam(team.TeamName, team.Division);
    });
    if (saved)
        closeWithoutAsking();
}

void FrmTeam::CmdCancel_Click() {
    if (Messages::confirm(Messages::kCancelQuestion))
        closeWithoutAsking();
}
