#pragma once

#include "forms/FormBase.h"

#include <QVector>

class QComboBox;
class QLabel;
class QPushButton;

// The home screen: welcome title, meet selector and the three groups of functions.
class FrmMain : public FormBase {
    Q_OBJECT
public:
    FrmMain();

    // Writes the welcome title with the current district number.
    void Set_Title();

    // The meet chosen in the selector (1 for the first), or -1 when none is chosen.
    qint16 meetNumber() const;

private slots:
    void CmdAdmin_Click();
    void CmdRecord_Click();
    void CmdReports_Click();
    void CmdDistrict_Click();
    void CmdTeam_Click();
    void CmdRider_Click();
    void CmdRing_Click();
    void CmdEntry_Click();
    void Cmdplacings_Click();
    void CmdStandingsRpt_Click();
    void CmdMeetResults_Click();
    void CmdRiderStandings_Click();

private:
    void HideAllButtons();
    void showGroup(const QVector<QPushButton*>& buttons);
    // The chosen meet, or a notice with `message` and false when none is chosen.
    bool chosenMeet(const QString& message, qint16* meet);

    QLabel* LblHeader;
    QPushButton* CmdAdmin;
    QPushButton* CmdRecord;
    QPushButton* CmdReports;
    QLabel* LblWeek;
    QComboBox* CbWeek;
    QPushButton* CmdDistrict;
    QPushButton* CmdTeam;
    QPushButton* CmdRider;
    QPushButton* CmdRing;
    QPushButton* CmdEntry;
    QPushButton* Cmdplacings;
    QPushButton* CmdStandingsRpt;
    QPushButton* CmdMeetResults;
    QPushButton* CmdRiderStandings;
};
