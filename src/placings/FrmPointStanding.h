#pragma once

#include "forms/FormBase.h"
#include "placings/Standings.h"
#include "teams/TeamStore.h"

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
    QVector<QLabel*> m_headings;      // class k is m_headings[k - 1]
    QVector<QLabel*> m_teamLabels;    // the team label of row slot i
    QVector<QLineEdit*> m_placeBoxes; // slot (i, j) is element i x columns + j
    QVector<QLineEdit*> m_pointBoxes;

    qint16 m_week = 0;
    // Team t of the grid is m_teams[t - 1].
    QVector<TeamStore::Team> m_teams;
    QHash<qint32, Standings::TeamRow> m_rows;
    Standings::Grid m_grid{};
    Standings::View m_view{};
    int m_wheelRemainder = 0;
};
