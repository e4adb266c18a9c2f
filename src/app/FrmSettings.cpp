#include "app/FrmSettings.h"

#include "app/FrmBackups.h"
#include "app/FrmMain.h"
#include "core/AppState.h"
#include "core/DistrictSettings.h"
#include "forms/Controls.h"
#include "forms/Fonts.h"
#include "forms/Messages.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

FrmSettings::FrmSettings()
    : FormBase(QStringLiteral("FrmSettings"), QStringLiteral("District Settings"), 6945, 4065) {
    using namespace Controls;
    LblFormTitle = label(this, "LblFormTitle", "District Setup Information", 1800, 240, 3135, 375,
                         Fonts::classic(12, true));
    LblDistrictNum = label(this, "LblDistrictNum", "District Number", 1920, 1080, 1335, 255);
    TxtDistrictNum = textBox(this, "TxtDistrictNum", 3960, 1080, 615, 285, Limit::kNumber);
    LblNumRings = label(this, "LblNumRings", "Number of Rings", 1920, 1920, 1215, 255);
    CbNumRings = dropDownCombo(this, "CbNumRings", 3960, 1920, 615, 315, Limit::kNumber);
    CbNumRings->addItems({"1", "2", "3"});
    CbNumRings->setCurrentIndex(-1);
    CbNumRings->setEditText(QString());
    CmdSubmit = button(this, "CmdSubmit", "Submit", 1080, 3120, 1695, 495);
    CmdCancel = button(this, "CmdCancel", "Cancel", 4200, 3120, 1695, 495);
    setMainButton(CmdSubmit);
    setCancelButton(CmdCancel);
    tabOrder({{0, TxtDistrictNum},
              {1, CbNumRings},
              {2, LblDistrictNum},
              {3, LblNumRings},
              {4, LblFormTitle},
              {5, CmdSubmit},
              {6, CmdCancel}});

    connect(CmdSubmit, &QPushButton::clicked, this, &FrmSettings::CmdSubmit_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &FrmSettings::CmdCancel_Click);
    addBackupsButton();

    setAsksBeforeClosing();
    centre();
    if (AppState::DistrictNum.isEmpty() || AppState::NumRings == 0) {
        CmdCancel->setEnabled(false);
    } else {
        TxtDistrictNum->setText(AppState::DistrictNum);
        CbNumRings->setEditText(QString::number(AppState::NumRings));
    }
}

void FrmSettings::CmdSubmit_Click() {
    if (!Messages::confirm(QStringLiteral(
            "These settings are vital to the programs operation and should not be changed once "
            "information is entered into the program. Are you sure you want to continue?")))
        return;
    if (TxtDistrictNum->text().isEmpty() || CbNumRings->currentText().isEmpty()) {
        Messages::notice(QStringLiteral("Both the District Number and the Number of Rings must be "
                                        "specified before you may Save these settings."));
        return;
    }
    // Checked before anything is stored, so a bad count leaves both settings as they were.
    qint16 rings = 0;
    if (!DistrictSettings::parseTypedRings(CbNumRings->currentText(), &rings)) {
        Messages::notice(QStringLiteral("The Number of Rings must be a whole number from 1 to "
                                        "%1.")
                             .arg(DistrictSettings::kMaxRings));
        return;
    }
    // The values of this run change only once both are stored.
    const Outcome stored = DistrictSettings::write(TxtDistrictNum->text(), QString::number(rings));
    if (!stored.ok()) {
        Messages::notice(stored.failure);
        return;
    }
    AppState::DistrictNum = TxtDistrictNum->text();
    AppState::NumRings = rings;
    closeWithoutAsking();
}

void FrmSettings::CmdCancel_Click() {
    if (Messages::confirm(Messages::kCancelQuestion))
        closeWithoutAsking();
}

void FrmSettings::Form_Unload() {
    if (auto* main = qobject_cast<FrmMain*>(opener()))
        main->Set_Title();
    FormBase::Form_Unload();
}

void FrmSettings::addBackupsButton() {
    CmdBackups = Controls::button(this, "CmdBackups", "Backups...", 4920, 1410, 1695, 495);
    setTabOrder(CmdCancel, CmdBackups);
    connect(CmdBackups, &QPushButton::clicked, this, &FrmSettings::CmdBackups_Click);
}

void FrmSettings::CmdBackups_Click() {
    openScreen(new FrmBackups);
}
