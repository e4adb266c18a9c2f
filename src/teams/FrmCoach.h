#pragma once

#include "forms/FormBase.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Coach Entry Form: adds a coach to a team or changes a coach's details; a coach stays with
// the team it was added to.
class FrmCoach : public FormBase {
    Q_OBJECT
public:
    FrmCoach();

    // Prepares an empty form for a new coach of team `teamCode`.
    void Initialize_Add(qint32 teamCode);
    // Fills the form with the stored coach `coachCode`.
    void Initialize_Edit(qint32 coachCode);

private slots:
    void CmdSubmit_Click();
    void CmdCancel_Click();

private:
    void ClearCoachForm();

    QLabel* LblTitle;
    QLabel* LblFirst;
    QLineEdit* TxtFirst;
    QLabel* LblLast;
    QLineEdit* TxtLast;
    QLabel* LblAddress;
    QLineEdit* TxtAddress;
    QLabel* LblCity;
    QLineEdit* TxtCity;
    QLabel* LblZip;
    QLineEdit* TxtZip;
    QLabel* LblPrimary;
    QLineEdit* TxtPrimary;
    QLabel* LblSecondary;
    QLineEdit* TxtSecondary;
    QLabel* LblEmail;
    QLineEdit* TxtEmail;
    QLabel* LblPosition;
    QComboBox* CbPosition;
    QPushButton* CmdSubmit;
    QPushButton* CmdCancel;

    bool m_editMode = false;
    qint32 m_editCoachCode = -1;
    qint32 m_coachTeamCode = -1;
};
