#pragma once

#include "forms/FormBase.h"
#include "riders/RiderForms.h"
#include "riders/RiderStore.h"

#include <QVector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Adds new riders, one or several in a row; returns to the rider search when it closes.
class FrmRiderEntry : public FormBase {
    Q_OBJECT
public:
    FrmRiderEntry();

    // True when a team is chosen; otherwise tells the user so.
    bool ValidTeam();
    // Stores the rider shown on the form; true when it was stored.
    bool SaveEntry();
    // Empties the six boxes and the team choice; the form stays open.
    void UnloadForm();

private slots:
    void CmdSaveAdd_Click();
    void CmdSave_Click();
    void CmdCancel_Click();

private:
    // Confirmation, team check and save, shared by both save buttons.
    bool confirmAndSave();

    QLabel* Label1;
    QLabel* LblRiderName;
    QLabel* LblFirst;
    QLabel* LblLast;
    QLabel* LblAddress;
    QLabel* LblCity;
    QLabel* LblState;
    QLabel* LblZip;
    QLabel* LblStateCode;
    QLabel* LblTeamCode;
    QComboBox* LbTeamCode;
    QLabel* LblRiderNumber;
    RiderForms::Boxes RiderListBoxArray{};
    QPushButton* CmdSaveAdd;
    QPushButton* CmdSave;
    QPushButton* CmdCancel;

    // Team rows: list position k of LbTeamCode is element k.
    QVector<TeamStore::Team> m_teams;
};
