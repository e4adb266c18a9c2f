#include "rings/FrmRingAssign.h"

#include "core/AppState.h"
#include "forms/Controls.h"
#include "forms/Fonts.h"
#include "forms/Messages.h"
#include "rings/RingStore.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

using namespace RingLayout;

namespace {
int districtRings() {
    return std::clamp(int(AppState::NumRings), 1, kMaxRings);
}
} // namespace

FrmRingAssign::FrmRingAssign()
    : FormBase(QStringLiteral("FrmRingAssign"), QStringLiteral("Ring Assignments"),
               form(districtRings()).width, 7815),
      m_rings(districtRings()) {
    using namespace Controls;
    const QFont bold = Fonts::classic(9.75, true);
    const Form widened = form(m_rings);
    Shape1 = frame(this, "Shape1", 120, 840, widened.shapeWidth, 6255);
    Shape1->setFrameShape(QFrame::Box);
    LblFormHeader =
        label(this, "LblFormHeader", "Ring Assignments for Meet", 120, 120, 1935, 495, bold);
    LblWeekNum = label(this, "LblWeekNum", QString(), 1080, 360, 255, 255, bold);
    LblRing = label(this, "LblRing", "Ring", ringHeadingLeft(m_rings), 120, 495, 255, bold);
    for (int r = 1; r <= std::max(3, m_rings); ++r) {
        QLabel* heading = LabelArray.add(
            label(this, QString(), QString::number(r), ringColumnLeft(r), 480, 255, 255, bold));
        heading->setVisible(r <= m_rings);
    }
    TeamScroll = verticalScrollBar(this, "TeamScroll", widened.scrollLeft, 720, 255, 6375);
    TeamScroll->setEnabled(false);
    CmdSubmit = button(this, "CmdSubmit", "Submit", widened.submitLeft, 7200, 2175, 375, bold);
    CmdCancel = button(this, "CmdCancel", "Cancel", widened.cancelLeft, 7200, 2175, 375, bold);
    setMainButton(CmdSubmit);
    setCancelButton(CmdCancel);

    connect(CmdSubmit, &QPushButton::clicked, this, &FrmRingAssign::CmdSubmit_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &FrmRingAssign::CmdCancel_Click);
    connect(TeamScroll, &QScrollBar::valueChanged, this, &FrmRingAssign::TeamScroll_Change);
    setAsksBeforeClosing();
    centre();
}

void FrmRingAssign::Initialize_Form(qint16 meet) {
    m_week = meet;
    BuildTeamRows();
    LoadRingAssignments();
}

void FrmRingAssign::BuildTeamRows() {
    using namespace Controls;
    LblWeekNum->setText(QString::number(m_week));
    if (!Controls::guarded([&] { m_teams = TeamStore::teamsByDivision(); }))
        m_teams.clear();
    if (m_teams.isEmpty()) {
        CmdSubmit->setEnabled(false);
        return;
    }
    // Every row is made at the last place of the view; placing the view shows those in it.
    const QPoint labelHome = labelAt(kRowsInView), frameHome = frameAt(kRowsInView);
    for (const TeamStore::Team& team : m_teams) {
        LblTeamArray.add(label(this, QString(), TeamStore::teamLine(team), labelHome.x(),
                               labelHome.y(), 2535, 255));
        QWidget* group = FrameArray.add(
            frame(this, QString(), frameHome.x(), frameHome.y(), frameWidth(m_rings), 495));
        for (int r = 1; r <= m_rings; ++r)
            ObArray.add(optionButton(group, QString(), QString(), optionLeft(r), 120, 255, 255));
    }
    ScrollTeamRows();
    if (m_teams.size() > kRowsInView) {
        TeamScroll->setRange(0, scrollMaximum(int(m_teams.size())));
        TeamScroll->setEnabled(true);
    }
}

void FrmRingAssign::LoadRingAssignments() {
    QVector<RingStore::Assignment> stored;
    if (!Controls::guarded([&] { stored = RingStore::assignments(m_week); }))
        return;
    QStringList lost;
    for (const RingStore::Assignment& row : stored) {
        const int row0 = TeamStore::positionOf(m_teams, row.TeamCode);
        if (row0 < 0)
            continue; // the team is gone; the next Submit drops the row
        if (row.RingNumber < 1 || row.RingNumber > m_rings) {
            lost << LblTeamArray[row0 + 1]->text();
            continue;
        }
        ObArray[optionIndex(row0 + 1, row.RingNumber, m_rings)]->setChecked(true);
    }
    if (lost.isEmpty())
        return;
    const int shown = std::min<int>(int(lost.size()), 10);
    QString teams = QStringList(lost.mid(0, shown)).join(QStringLiteral(", "));
    if (lost.size() > shown)
        teams += QStringLiteral(" and %1 more").arg(lost.size() - shown);
    const QString text =
        QStringLiteral("These teams were assigned to a ring the district no longer runs (it runs "
                       "%1 now), so they show no ring for meet %2: %3. Choose their rings and "
                       "press Submit.")
            .arg(m_rings == 1 ? QStringLiteral("1 ring") : QStringLiteral("%1 rings").arg(m_rings))
            .arg(m_week)
            .arg(teams);
    // Said once the form is on the screen.
    QMetaObject::invokeMethod(
        this, [text] { Messages::notice(text); }, Qt::QueuedConnection);
}

void FrmRingAssign::TeamScroll_Change() {
    ScrollTeamRows();
}

void FrmRingAssign::ScrollTeamRows() {
    m_view = view(int(m_teams.size()), TeamScroll->value());
    const View& v = m_view;
    LblTeamArray.showView([&v](int i) { return labelPlace(i, v); });
    FrameArray.showView([&v](int i) { return framePlace(i, v); });
}

void FrmRingAssign::wheelEvent(QWheelEvent* event) {
    Controls::wheelToScrollBar(event, TeamScroll, &m_wheelRemainder);
}

std::pair<int, int> FrmRingAssign::focusedOption() const {
    for (int j = 1; j <= ObArray.count(); ++j) {
        if (ObArray[j]->hasFocus())
            return {(j - 1) / m_rings + 1, (j - 1) % m_rings + 1};
    }
    return {0, 0};
}

bool FrmRingAssign::focusRow(int row, int ring) {
    if (row < 1 || row > m_teams.size())
        return false;
    if (row < m_view.first)
        TeamScroll->setValue(TeamScroll->value() - (m_view.first - row));
    else if (row > m_view.last)
        TeamScroll->setValue(TeamScroll->value() + (row - m_view.last));
    for (int r = 1; r <= m_rings; ++r) {
        if (ObArray[optionIndex(row, r, m_rings)]->isChecked())
            ring = r;
    }
    ObArray[optionIndex(row, ring, m_rings)]->setFocus(Qt::TabFocusReason);
    return true;
}

void FrmRingAssign::keyPressEvent(QKeyEvent* event) {
    const auto [row, ring] = focusedOption();
    const int step = event->key() == Qt::Key_Down ? 1 : event->key() == Qt::Key_Up ? -1 : 0;
    if (row == 0 || step == 0) {
        FormBase::keyPressEvent(event);
        return;
    }
    event->accept();
    focusRow(row + step, ring); // only the focus moves; Space or Left and Right choose
}

bool FrmRingAssign::focusNextPrevChild(bool next) {
    const int row = focusedOption().first;
    // The rows out of view are hidden, which Tab would pass over.
    if (row > 0 && focusRow(row + (next ? 1 : -1), 1))
        return true;
    return FormBase::focusNextPrevChild(next);
}

void FrmRingAssign::CmdSubmit_Click() {
    if (!Messages::confirm(Messages::kSaveQuestion))
        return;
    QVector<RingStore::Assignment> rows;
    for (int i = 1; i <= m_teams.size(); ++i) {
        for (int r = 1; r <= m_rings; ++r) {
            if (ObArray[optionIndex(i, r, m_rings)]->isChecked())
                rows.push_back({m_teams.at(i - 1).TeamCode, static_cast<qint16>(r)});
        }
    }
    if (Controls::guarded([&] { RingStore::replace(m_week, rows); }))
        closeWithoutAsking();
}

void FrmRingAssign::CmdCancel_Click() {
    if (Messages::confirm(Messages::kCancelQuestion))
        closeWithoutAsking();
}
