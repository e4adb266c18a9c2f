#pragma once

#include "forms/ControlArray.h"
#include "forms/FormBase.h"
#include "rings/RingLayout.h"
#include "teams/TeamStore.h"

#include <utility>

class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

// Ring Assignments: one row per team, one option button per ring; Submit stores in which
// ring each team rides at the meet.
class FrmRingAssign : public FormBase {
    Q_OBJECT
public:
    FrmRingAssign();

    // Builds the rows for meet `meet` and selects the rings stored for it.
    void Initialize_Form(qint16 meet);

protected:
    // One notch of the wheel over the rows moves the view by one team.
    void wheelEvent(QWheelEvent* event) override;
    // Up and Down go to the next team, Tab and Shift+Tab to the next team's
    // choice; the view follows the focus to the teams beyond it.
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private slots:
    void CmdSubmit_Click();
    void CmdCancel_Click();
    void TeamScroll_Change();

private:
    void BuildTeamRows();
    void LoadRingAssignments();
    // Shows the rows of the view at their places and hides the others.
    void ScrollTeamRows();
    // The team row and ring of the focused option button; {0, 0} when none has the focus.
    std::pair<int, int> focusedOption() const;
    // Scrolls team row `row` into view and gives the focus to its chosen ring, or to `ring`
    // when none is chosen. False when there is no such row.
    bool focusRow(int row, int ring);

    QLabel* LblFormHeader;
    QLabel* LblWeekNum;
    QLabel* LblRing;
    QFrame* Shape1;
    QScrollBar* TeamScroll;
    QPushButton* CmdSubmit;
    QPushButton* CmdCancel;
    ControlArray<QLabel> LabelArray{QStringLiteral("LabelArray")};
    ControlArray<QLabel> LblTeamArray{QStringLiteral("LblTeamArray")};
    ControlArray<QWidget> FrameArray{QStringLiteral("FrameArray")};
    ControlArray<QRadioButton> ObArray{QStringLiteral("ObArray")};

    qint16 m_week = 0;
    int m_rings = 0;
    // Row i of the form is m_teams[i - 1].
    QVector<TeamStore::Team> m_teams;
    RingLayout::View m_view{1, 0};
    int m_wheelRemainder = 0;
};
