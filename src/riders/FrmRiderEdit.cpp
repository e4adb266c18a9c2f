#include "riders/FrmRiderEdit.h"

#include "forms/Controls.h"
#include "forms/Fonts.h"
#include "forms/Messages.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

FrmRiderEdit::FrmRiderEdit()
    : FormBase(QStringLiteral("FrmRiderEdit"), QStringLiteral("Rider Edit Form"), 8805, 5325) {
    using namespace Controls;
    const QFont bold = Fonts::classic(9.75, true);
    const auto box = [this](int index, int left, int top, int width, int height) {
        return RiderListBoxArray[index] =
                   textBox(this, arrayName("RiderListBoxArray", index), left, top, width, height,
                           RiderForms::kBoxLimits[index]);
    };

    Label1 = label(this, "Label1", "Update Rider Information", 2760, 240, 3255, 495,
                   Fonts::classic(12, true));
    LblRiderName = label(this, "LblRiderName", "Rider's Name", 3720, 1080, 1575, 255, bold);
    LblFirst = label(this, "LblFirst", "First", 1680, 1320, 975, 255, bold);
    LblLast = label(this, "LblLast", "Last", 4680, 1320, 975, 375, bold);
    box(1, 1680, 1560, 2415, 285);
    box(2, 4680, 1560, 2415, 285);
    LblAddress = label(this, "LblAddress", "Address", 1680, 1920, 1095, 255, bold);
    box(3, 1680, 2160, 5415, 285);
    LblCity = label(this, "LblCity", "City", 1680, 2520, 1095, 255, bold);
    LblState = label(this, "LblState", "State", 5160, 2520, 855, 255, bold);
    LblZip = label(this, "LblZip", "Zip", 6360, 2520, 615, 255, bold);
    box(4, 1680, 2760, 2895, 285);
    LblStateCode = label(this, "LblStateCode", RiderForms::kStateCode, 5160, 2760, 495, 255);
    box(5, 6360, 2730, 735, 285);
    LblTeamCode = label(this, "LblTeamCode", "Team", 1680, 3240, 1695, 255, bold);
    LbTeamCode = dropDownList(this, "LbTeamCode", 1680, 3480, 2415, 315);
    LblRiderNumber = label(this, "LblRiderNumber", "Rider's Number", 6000, 3240, 1935, 255, bold);
    box(0, 6000, 3510, 1095, 285);
    CmdUpdate = button(this, "CmdUpdate", "Update", 2160, 4440, 1815, 615);
    CmdCancel = button(this, "CmdCancel", "Cancel", 4800, 4440, 1815, 615);
    setMainButton(CmdUpdate);
    setCancelButton(CmdCancel);

    tabOrder({{0, LbTeamCode},
              {1, RiderListBoxArray[5]},
              {2, RiderListBoxArray[4]},
              {3, RiderListBoxArray[3]},
              {4, RiderListBoxArray[2]},
              {5, RiderListBoxArray[1]},
              {6, RiderListBoxArray[0]},
              {7, LblTeamCode},
              {8, LblZip},
              {9, LblStateCode},
              {10, LblState},
              {11, LblCity},
              {12, LblAddress},
              {13, LblLast},
              {14, LblFirst},
              {15, LblRiderName},
              {16, LblRiderNumber},
              {17, CmdUpdate},
              {18, CmdCancel},
              {19, Label1}});

    connect(CmdUpdate, &QPushButton::clicked, this, &FrmRiderEdit::CmdUpdate_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &FrmRiderEdit::CmdCancel_Click);

    setAsksBeforeClosing();
    centre();
    RiderForms::fillTeams(LbTeamCode, &m_teams);
    LbTeamCode->setFocus();
}

void FrmRiderEdit::InitializeRecord(const QString& riderNumber) {
    m_riderNumber = riderNumber;
    std::optional<RiderStore::Rider> rider;
    if (!Controls::guarded([&] { rider = RiderStore::find(riderNumber); }))
        return;
    if (!rider) {
        Messages::notice(
            QStringLiteral("No rider is stored under the number %1 any more.").arg(riderNumber));
        CmdUpdate->setEnabled(false);
        return;
    }
    RiderListBoxArray[1]->setText(rider->FirstName);
    RiderListBoxArray[2]->setText(rider->LastName);
    RiderListBoxArray[3]->setText(rider->Address);
    RiderListBoxArray[4]->setText(rider->City);
    RiderListBoxArray[5]->setText(rider->Zip);
    RiderListBoxArray[0]->setText(rider->RiderNumber);
    // A rider whose team is gone opens with no team chosen.
    LbTeamCode->setCurrentIndex(TeamStore::positionOf(m_teams, rider->TeamCode));
}

void FrmRiderEdit::CmdUpdate_Click() {
    if (!Messages::confirm(Messages::kSaveQuestion))
        return;
    qint32 teamCode = 0;
    if (!RiderForms::chosenTeam(LbTeamCode, m_teams, &teamCode) ||
        !RiderForms::numberTyped(RiderListBoxArray[0]))
        return;
    const RiderStore::Rider rider = RiderForms::typedRider(RiderListBoxArray, teamCode);
    if (RiderForms::save([&] { RiderStore::update(m_riderNumber, rider); }))
        closeWithoutAsking();
}

void FrmRiderEdit::CmdCancel_Click() {
    if (Messages::confirm(Messages::kCancelQuestion))
        closeWithoutAsking();
}
