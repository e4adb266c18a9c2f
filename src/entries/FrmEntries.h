#pragma once

#include "forms/FormBase.h"
#include "teams/TeamStore.h"

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;

// Team Entries: the doorway to a meet's class entries; the secretary picks a team and opens
// its class entry grid.
class FrmEntries : public FormBase {
    Q_OBJECT
public:
    FrmEntries();

    // The meet whose entries are made.
    void Set_Week(qint16 meet);

private slots:
    void CmdSubmit_Click();
    void CmdReports_Click();

private:
    QLabel* LblTeamClass;
    QFrame* Line1;
    QLabel* LblTeam;
    QComboBox* CbTeamName;
    QPushButton* CmdSubmit;
    QFrame* Line2;
    QPushButton* CmdReports;

    qint16 m_week = 1;
    qint32 m_teamCode = 0;
    // Line k of CbTeamName is m_teams[k].
    QVector<TeamStore::Team> m_teams;
};
