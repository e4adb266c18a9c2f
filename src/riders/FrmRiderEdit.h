#pragma once

#include "forms/FormBase.h"
#include "riders/RiderForms.h"
#include "riders/RiderStore.h"

#include <QVector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Changes one stored rider: number, name, address and team; returns to the rider search
// when it closes.
class FrmRiderEdit : public FormBase {
    Q_OBJECT
public:
    FrmRiderEdit();

    // Shows the rider stored under `riderNumber`, with the rider's team chosen.
    void InitializeRecord(const QString& riderNumber);

private slots:
    void CmdUpdate_Click();
    void CmdCancel_Click();

private:
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
    QPushButton* CmdUpdate;
    QPushButton* CmdCancel;

    // Team rows: list position k of LbTeamCode is element k.
    QVector<TeamStore::Team> m_teams;
    // The number the rider is stored under; the update finds the row by it.
    QString m_riderNumber;
};
