#pragma once

#include "forms/FormBase.h"
#include "teams/TeamStore.h"

#include <QVector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

// Team Information: the hub for team and coach records. Lists every team and the coaches of
// the chosen one, opens the team and coach forms, and exports the whole district.
class FrmTeamSelect : public FormBase {
    Q_OBJECT
public:
    FrmTeamSelect();
    // Opens the preview of importing the riders of the roster at `path`.
    void importFrom(const QString& path);

    // Writes every record of the district to the workbook at `path`, a sheet a table, whole or
    // not at all; when it cannot be written, the user is told why and false returned.
    bool exportTo(const QString& path);

protected:
    // Rebuilds both lists and chooses the current team again.
    void Form_Activate() override;

private slots:
    void CbTeam_Click(int line);
    void LbCoaches_Click();
    void CmdAddTeam_Click();
    void CmdEditTeam_Click();
    void CmdDeleteTeam_Click();
    void CmdAddCoach_Click();
    void CmdEditCoach_Click();
    void CmdDeleteCoach_Click();
    void CmdImport_Click();
    void CmdExport_Click();

private:
    void FillCoachList();

    QLabel* LblTitle;
    QLabel* LblTeam;
    QComboBox* CbTeam;
    QPushButton* CmdEditTeam;
    QPushButton* CmdAddTeam;
    QPushButton* CmdDeleteTeam;
    QLabel* LblCoach;
    QLabel* LblCurrentTeam;
    QListWidget* LbCoaches;
    QPushButton* CmdEditCoach;
    QPushButton* CmdAddCoach;
    QPushButton* CmdDeleteCoach;
    QPushButton* CmdImport;
    QPushButton* CmdExport;

    // Line k of CbTeam is m_teamRows[k]; line k of LbCoaches is m_coachRows[k].
    QVector<TeamStore::Team> m_teamRows;
    QVector<TeamStore::Coach> m_coachRows;
    qint32 m_currentTeamCode = -1;
    qint32 m_currentCoachCode = -1;
};
