#pragma once

#include "forms/FormBase.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The district number and the number of rings, kept in the user's settings.
class FrmSettings : public FormBase {
    Q_OBJECT
public:
    FrmSettings();

protected:
    void Form_Unload() override;

private slots:
    void CmdSubmit_Click();
    void CmdCancel_Click();
    void CmdBackups_Click();

private:
    // The button to the backups, in the free space right of the two fields.
    void addBackupsButton();

    QLabel* LblFormTitle;
    QLabel* LblDistrictNum;
    QLineEdit* TxtDistrictNum;
    QLabel* LblNumRings;
    QComboBox* CbNumRings;
    QPushButton* CmdSubmit;
    QPushButton* CmdCancel;
    QPushButton* CmdBackups;
};
