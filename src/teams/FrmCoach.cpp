#include "teams/FrmCoach.h"

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
const QString kHeadCoach = QStringLiteral("Head Coach");
} // namespace

FrmCoach::FrmCoach()
    : FormBase(QStringLiteral("FrmCoach"), QStringLiteral("Coach Entry Form"), 10860, 8145) {
    using namespace Controls;
    const QFont bold = Fonts::classic(8.25, true);
    LblTitle = label(this, "LblTitle", "Coach Information Form", 3360, 120, 4335, 615,
                     Fonts::classic(18, true));
    LblFirst = label(this, "LblFirst", "First Name", 960, 840, 2055, 375, bold);
    TxtFirst = textBox(this, "TxtFirst", 960, 1200, 3255, 375, Limit::kName);
    LblLast = label(this, "LblLast", "Last Name", 5640, 840, 1815, 375, bold);
    TxtLast = textBox(this, "TxtLast", 5640, 1200, 4095, 375, Limit::kName);
    LblAddress = label(this, "LblAddress", "Address", 960, 1920, 2415, 375, bold);
    TxtAddress = textBox(this, "TxtAddress", 960, 2400, 8775, 375, Limit::kAddress);
    LblCity = label(this, "LblCity", "City", 960, 3120, 1335, 255, bold);
    TxtCity = textBox(this, "TxtCity", 960, 3480, 2295, 375, Limit::kName);
    LblZip = label(this, "LblZip", "Zip", 8280, 3120, 1695, 255, bold);
    TxtZip = textBox(this, "TxtZip", 8280, 3480, 1455, 375, Limit::kZip);
    LblPrimary = label(this, "LblPrimary", "Primary Contact Number", 960, 4200, 2415, 375, bold);
    TxtPrimary = textBox(this, "TxtPrimary", 960, 4680, 2655, 375, Limit::kPhone);
    LblSecondary =
        label(this, "LblSecondary", "Secondary Contact Number", 6600, 4200, 3135, 375, bold);
    TxtSecondary = textBox(this, "TxtSecondary", 6600, 4680, 3135, 375, Limit::kPhone);
    LblEmail = label(this, "LblEmail", "Email Address", 960, 5400, 2895, 375, bold);
    TxtEmail = textBox(this, "TxtEmail", 960, 5880, 3975, 375, Limit::kEmail);
    LblPosition = label(this, "LblPosition", "Position", 6240, 5400, 2895, 375, bold);
    // Choice from the list only: the coach list orders by exactly these two texts.
    CbPosition = dropDownList(this, "CbPosition", 6240, 5880, 3495, 315);
    CmdSubmit = button(this, "CmdSubmit", "Submit", 1440, 6720, 2175, 615);
    CmdCancel = button(this, "CmdCancel", "Cancel", 6840, 6720, 2535, 615);
    setMainButton(CmdSubmit);
    setCancelButton(CmdCancel);

    tabOrder({{0, TxtFirst},  {1, TxtLast},      {2, TxtAddress},   {3, TxtCity},
              {4, TxtZip},    {5, TxtPrimary},   {6, TxtSecondary}, {7, TxtEmail},
              {8, LblFirst},  {9, LblLast},      {10, CbPosition},  {11, LblAddress},
              {12, LblCity},  {13, LblZip},      {14, LblPrimary},  {15, LblSecondary},
              {16, LblEmail}, {17, LblPosition}, {18, CmdSubmit},   {19, CmdCancel},
              {20, LblTitle}});

    connect(CmdSubmit, &QPushButton::clicked, this, &FrmCoach::CmdSubmit_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &FrmCoach::CmdCancel_Click);

    setAsksBeforeClosing();
    centre();
    TxtFirst->setFocus();
}

void FrmCoach::ClearCoachForm() {
    for (QLineEdit* box :
         {TxtFirst, TxtLast, TxtAddress, TxtCity, TxtZip, TxtPrimary, TxtSecondary, TxtEmail})
        box->clear();
    CbPosition->clear();
    CbPosition->addItems({kHeadCoach, QStringLiteral("Assistant Coach")});
    CbPosition->setCurrentIndex(-1);
}

void FrmCoach::Initialize_Add(qint32 teamCode) {
    m_editMode = false;
    m_coachTeamCode = teamCode;
    ClearCoachForm();
}

void FrmCoach::Initialize_Edit(qint32 coachCode) {
    m_editMode = true;
    m_editCoachCode = coachCode;
    ClearCoachForm();
    std::optional<TeamStore::Coach> coach;
    if (!Controls::guarded([&] { coach = TeamStore::findCoach(coachCode); }))
        return;
    if (!coach) {
        Messages::notice(QStringLiteral("This coach is no longer stored."));
        CmdSubmit->setEnabled(false);
        return;
    }
    TxtFirst->setText(coach->FirstName);
    TxtLast->setText(coach->LastName);
    TxtAddress->setText(coach->Address);
    TxtCity->setText(coach->City);
    TxtZip->setText(coach->Zip);
    TxtPrimary->setText(coach->Primary);
    TxtSecondary->setText(coach->Secondary);
    TxtEmail->setText(coach->Email);
    m_coachTeamCode = coach->TeamCode;
    // Anything but exactly "Head Coach" opens as an assistant.
    CbPosition->setCurrentIndex(coach->Position == kHeadCoach ? 0 : 1);
}

void FrmCoach::CmdSubmit_Click() {
    if (!Messages::confirm(Messages::kSaveQuestion))
        return;
    QString refusal;
    if (TxtFirst->text().isEmpty())
        refusal = QStringLiteral("The First Name box must be filled in");
    else if (TxtLast->text().isEmpty())
        refusal = QStringLiteral("The Last Name box must be filled in");
    else if (CbPosition->currentIndex() < 0)
        refusal = QStringLiteral("The Position box must have a valid entry");
    if (!refusal.isEmpty()) {
        Messages::notice(refusal, kSubmitErrorTitle);
        return;
    }
    TeamStore::Coach coach;
    coach.CoachCode = m_editCoachCode;
    coach.FirstName = TxtFirst->text();
    coach.LastName = TxtLast->text();
    coach.Address = TxtAddress->text();
    coach.City = TxtCity->text();
    coach.Zip = TxtZip->text();
    coach.Primary = TxtPrimary->text();
    coach.Secondary = TxtSecondary->text();
    coach.Email = TxtEmail->text();
    coach.Position = CbPosition->currentText();
    coach.TeamCode = m_coachTeamCode;
    const bool saved = Controls::guarded([&] {
        if (m_editMode)
            TeamStore::updateCoach(coach);
        else
            TeamStore::insertCoach(coach);
    });
    if (saved)
        closeWithoutAsking();
}

void FrmCoach::CmdCancel_Click() {
    if (Messages::confirm(Messages::kCancelQuestion))
        closeWithoutAsking();
}
