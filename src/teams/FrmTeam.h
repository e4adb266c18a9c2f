#pragma once

#include "forms/FormBase.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Team Form: adds a team or changes the name and division of one.
class FrmTeam : public FormBase {
    Q_OBJECT
public:
    FrmTeam();

    // Prepares an empty form for a new team.
    void Initialize_Add();
    // Fills the form with the stored team `teamCode`.
    void Initialize_Edit(qint32 teamCode);

private slots:
    void CmdSubmit_Click();
    void CmdCancel_Click();

private:
    QLabel* LblTitle;
    QLabel* LblTeamName;
    QLineEdit* TxtTeam;
    QLabel* LblDivision;
    QComboBox* CbDivision;
    QPushButton* CmdSubmit;
    QPushButton* CmdCancel;

    bool m_editMode = false;
    qint32 m_editTeamCode = -1;
};
