#pragma once

#include "data/ClassTable.h"
#include "entries/EntryGrid.h"
#include "entries/EntryStore.h"
#include "forms/ControlArray.h"
#include "forms/FormBase.h"

#include <QHash>
#include <array>

class QAbstractButton;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

// Class Assignments: one team's riders as rows, the classes as columns, a box for each rider
// and class and the relay partner of each rider entered in the relay; Submit stores the
// team's entries and pairs at the meet.
class frmClassAssignments : public FormBase {
    Q_OBJECT
public:
    frmClassAssignments();
    // Stops following the focus before the boxes go, as their going moves the focus.
    ~frmClassAssignments() override;

    // Builds and fills the grid of team `teamCode` at meet `meet` and fills the screen with
    // it. False, after telling the secretary why, when the grid cannot be used; the form is
    // then not to be shown.
    bool InitializeForm(qint32 teamCode, qint16 meet);

protected:
    // The arrow keys move to the next open box in their direction, Home and End to the first
    // and last of the row, Page Up and Page Down by the rows in view, scrolling the grid where
    // the box is out of view; the wheel scrolls the rows.
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private slots:
    void CmdApply_Click();
    void CmdCancel_Click();
    void Chbhscroll_Change();
    void Chbvscroll_Change();

private:
    // The box rule: counts the class's entries, applies its limit to the column and ties the
    // relay box to the row's partner list.
    void ChbArrayControl_Click(int box);
    void ComputeGridCapacity();
    void SetupScrollBars();
    void PlaceButtons();
    void LoadEntries();
    void DrawGridLines();
    // Puts the headings, labels and cells of the view in their places and hides the others.
    void placeCells();
    // The first open box from (row, c) on in steps of (dRow, dClass), before (stopRow,
    // stopClass) and within the grid; nullptr when there is none.
    QAbstractButton* openBox(int row, int c, int dRow, int dClass, int stopRow = 0,
                             int stopClass = 0) const;
    // Scrolls `box` into view and gives it the focus.
    void focusBox(QAbstractButton* box);
    // Marks the rider and class of the focused box, so that it is plain what Space changes.
    void markFocus(QWidget* now);
    // The relay checks of Submit; the pairs to store when they pass.
    bool relayChecksPass(QVector<EntryStore::Pairing>* pairs);

    QLineEdit* TxtTeam;
    QPushButton* CmdApply;
    QPushButton* CmdCancel;
    QScrollBar* Chbvscroll;
    QScrollBar* Chbhscroll;
    ControlArray<QLabel> lbltitlearray{QStringLiteral("lbltitlearray")};
    ControlArray<QLabel> lblrider{QStringLiteral("lblrider")};
    ControlArray<QAbstractButton> ChbArrayControl{QStringLiteral("ChbArrayControl")};
    ControlArray<QComboBox> Cbpartner{QStringLiteral("Cbpartner")};
    ControlArray<QFrame> Vertlinearray{QStringLiteral("Vertlinearray")};
    ControlArray<QFrame> Horzlinearray{QStringLiteral("Horzlinearray")};

    qint32 m_teamCode = 0;
    qint16 m_week = 0;
    // Row r of the grid is m_riders[r - 1].
    QVector<EntryStore::Rider> m_riders;
    std::array<int, ClassTable::kClassCount + 1> m_classLimit{};
    std::array<int, ClassTable::kClassCount + 1> m_entryCount{};
    std::array<QString, ClassTable::kClassCount + 1> m_className;
    int m_markedRow = 0, m_markedClass = 0;
    EntryGrid::Capacity m_capacity{};
    EntryGrid::View m_view{};
    QHash<const QWidget*, int> m_boxNumber;
    int m_wheelRemainder = 0;
};
