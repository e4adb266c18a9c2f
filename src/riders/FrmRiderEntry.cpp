#include "riders/FrmRiderEntry.h"

#include "forms/Controls.h"
#include "forms/Fonts.h"
#include "forms/Messages.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

FrmRiderEntry::FrmRiderEntry()
    : FormBase(QStringLiteral("FrmRiderEntry"), QStringLiteral("Rider Entry Form"), 8340, 5160) {
    using namespace Controls;
    const QFont bold = Fonts::classic(9.75, true);
    const auto box = [this](int index, int left, int top, int width, int height) {
        return RiderListBoxArray[index] =
                   textBox(this, arrayName("RiderListBoxArray", index), left, top, width, height,
                           RiderForms::kBoxLimits[index]);
    };

    Label1 = label(this, "Label1", "New Rider Entry Form", 2880, 240, 2415, 375, bold);
    LblRiderName = label(this, "LblRiderName", "Rider's Name", 3360, 1080, 1575, 255, bold);
    LblFirst = label(this, "LblFirst", "First", 1440, 1440, 975, 255, bold);
    LblLast = label(this, "LblLast", "Last", 4440, 1440, 975, 375, bold);
    box(1, 1440, 1680, 2415, 285);
    box(2, 4440, 1680, 2415, 285);
    LblAddress = label(this, "LblAddress", "Address", 1440, 2040, 1095, 255, bold);
    box(3, 1440, 2280, 5415, 285);
    LblCity = label(this, "LblCity", "City", 1440, 2640, 1095, 255, bold);
    LblState = label(this, "LblState", "State", 4920, 2640, 855, 255, bold);
    LblZip = label(this, "LblZip", "Zip", 6120, 2640, 615, 255, bold);
    box(4, 1440, 2880, 2895, 285);
    LblStateCode = label(this, "LblStateCode", RiderForms::kStateCode, 4920, 2880, 495, 255);
    box(5, 6120, 2850, 735, 285);
    LblTeamCode = label(this, "LblTeamCode", "Team", 1440, 3360, 1695, 255, bold);
    LbTeamCode = dropDownList(this, "LbTeamCode", 1440, 3600, 2415, 315);
    LblRiderNumber = label(this, "LblRiderNumber", "Rider's Number", 5760, 3360, 1695, 255, bold);
    box(0, 5760, 3630, 1095, 285);
    CmdSaveAdd = button(this, "CmdSaveAdd", "Save && Add Another", 480, 4320, 1815, 615);
    CmdSave = button(this, "CmdSave", "Save && Exit", 3360, 4320, 1815, 615);
    CmdCancel = button(this, "CmdCancel", "Cancel", 6240, 4320, 1815, 615);
    setMainButton(CmdSaveAdd);
    setCancelButton(CmdCancel);

    tabOrder({{0, RiderListBoxArray[1]},
              {1, RiderListBoxArray[2]},
              {2, RiderListBoxArray[3]},
              {3, RiderListBoxArray[4]},
              {4, RiderListBoxArray[5]},
              {5, LbTeamCode},
              {6, RiderListBoxArray[0]},
              {7, CmdSaveAdd},
              {8, CmdSave},
              {9, CmdCancel},
              {10, LblRiderNumber},
              {11, LblRiderName},
              {12, LblFirst},
              {13, LblLast},
              {14, LblAddress},
              {15, LblCity},
              {16, LblState},
              {17, LblStateCode},
              {18, LblZip},
              {19, LblTeamCode},
              {20, Label1}});

    connect(CmdSaveAdd, &QPushButton::clicked, this, &FrmRiderEntry::CmdSaveAdd_Click);
    connect(CmdSave, &QPushButton::clicked, this, &FrmRiderEntry::CmdSave_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &FrmRiderEntry::CmdCancel_Click);

    setAsksBeforeClosing();
    centre();
    RiderForms::fillTeams(LbTeamCode, &m_teams);
    RiderListBoxArray[1]->setFocus();
}

bool FrmRiderEntry::ValidTeam() {
    qint32 teamCode = 0;
    return RiderForms::chosenTeam(LbTeamCode, m_teams, &teamCode);
}

bool FrmRiderEntry::SaveEntry() {
    qint32 teamCode = 0;
    if (!RiderForms::chosenTeam(LbTeamCode, m_teams, &teamCode) ||
        !RiderForms::numberTyped(RiderListBoxArray[0]))
        return false;
    const RiderStore::Rider rider = RiderForms::typedRider(RiderListBoxArray, teamCode);
    return RiderForms::save([&] { RiderStore::insert(rider); });
}

void FrmRiderEntry::UnloadForm() {
    for (QLineEdit* box : RiderListBoxArray)
        box->clear();
    LbTeamCode->setCurrentIndex(-1);
}

bool FrmRiderEntry::confirmAndSave() {
    return Messages::confirm(Messages::kSaveQuestion) && ValidTeam() && SaveEntry();
}

void FrmRiderEntry::CmdSaveAdd_Click() {
    if (!confirmAndSave())
        return;
    UnloadForm();
    RiderListBoxArray[1]->setFocus();
}

void FrmRiderEntry::CmdSave_Click() {
    if (confirmAndSave())
        closeWithoutAsking();
}

void FrmRiderEntry::CmdCancel_Click() {
    if (Messages::confirm(Messages::kCancelQuestion))
        closeWithoutAsking();
}
