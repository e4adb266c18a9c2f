#pragma once

#include "forms/ControlArray.h"
#include "forms/FormBase.h"
#include "placings/Standings.h"
#include "teams/TeamStore.h"

class QFrame;
class QLabel;
class QLineEdit;
class QScrollBar;

// Point Standings: one row per team, one column per class, each cell the places the team's
// riders took and the team's running points at the meet. Display only.
class FrmPointStanding : public FormBase {
    Q_OBJECT
public:
    FrmPointStanding();

    // Builds the grid for meet `meet` and fills it. False, after telling the secretary why,
    // when there is nothing to show; the screen is then not to be shown.
    bool InitializeForm(qint16 meet);
    // Fills the places and points from the stored placings of the meet.
    void Update_Scores();

protected:
    void wheelEvent(QWheelEvent* event) override;

private slots:
    void Chbhscroll_Change();
    void Chbvscroll_Change();

private:
    void SizeGrid();
    void SetScrollBars();
    void DrawGridLines();
    // Gives the boxes and labels in view the names and texts of the teams and classes that
    // the view shows; they never move, only what they show changes.
    void showView();

    QLabel* LblDistrict;
    QLabel* LblWeek;
    QScrollBar* Chbhscroll;
    QScrollBar* Chbvscroll;
    ControlArray<QLabel> lbltitlearray{QStringLiteral("lbltitlearray")};
    // The labels and boxes of the places in view, named after the teams and cells they show.
    ControlArray<QLabel> LblTeamArray{QStringLiteral("LblTeamArray")};
    ControlArray<QLineEdit> TxtPlacingArray{QStringLiteral("TxtPlacingArray")};
    ControlArray<QLineEdit> TxtPointArray{QStringLiteral("TxtPointArray")};
    ControlArray<QFrame> Vertlinearray{QStringLiteral("Vertlinearray")};
    ControlArray<QFrame> Horzlinearray{QStringLiteral("Horzlinearray")};
    ControlArray<QFrame> Midhorzlinearray{QStringLiteral("Midhorzlinearray")};

    qint16 m_week = 0;
    // Team t of the grid is m_teams[t - 1].
    QVector<TeamStore::Team> m_teams;
    QHash<qint32, Standings::TeamRow> m_rows;
    Standings::Grid m_grid{};
    Standings::View m_view{};
    int m_wheelRemainder = 0;
};
