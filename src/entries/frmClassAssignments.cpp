#include "entries/frmClassAssignments.h"

#include "core/AppState.h"
#include "core/ClassHeading.h"
#include "core/Twips.h"
#include "data/DbError.h"
#include "data/DeliveredClasses.h"
#include "entries/RelayRule.h"
#include "forms/Controls.h"
#include "forms/Fonts.h"
#include "forms/Messages.h"
#include "teams/TeamStore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

using namespace EntryGrid;

namespace {

// The picture on every box: a black square with a diagonal cross, 25 x 25 pixels.
QPixmap boxPicture() {
    QPixmap picture(25, 25);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.fillRect(QRect(6, 6, 13, 13), Qt::black);
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(8, 8, 16, 16);
    p.drawLine(16, 8, 8, 16);
    return picture;
}

QString riderCaption(const EntryStore::Rider& r) {
    return r.FirstName + QStringLiteral(", ") + r.LastName + QStringLiteral(" - (") +
           r.RiderNumber + QStringLiteral(")");
}

} // namespace

frmClassAssignments::frmClassAssignments()
    : FormBase(QStringLiteral("frmClassAssignments"), QStringLiteral("Class Assignments"), 11970,
               6255) {
    using namespace Controls;
    setFont(Fonts::classic(9.75));
    TxtTeam =
        textBox(this, "TxtTeam", 360, 720, 2055, 495, Limit::kAddress, Fonts::classic(9.75, true));
    TxtTeam->setReadOnly(true);
    TxtTeam->setFocusPolicy(Qt::NoFocus);
    QPalette face = TxtTeam->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Button));
    TxtTeam->setPalette(face);
    CmdApply = button(this, "CmdApply", "Submit", 5400, 120, 1815, 495, Fonts::classic(8.25));
    CmdCancel = button(this, "CmdCancel", "Cancel", 8280, 120, 1815, 495, Fonts::classic(8.25));
    setMainButton(CmdApply);
    setCancelButton(CmdCancel);
    Chbvscroll = verticalScrollBar(this, "Chbvscroll", 0, 0, kScrollBarSize, 1000);
    Chbhscroll = horizontalScrollBar(this, "Chbhscroll", 0, 0, 1000, kScrollBarSize);
    Chbvscroll->hide();
    Chbhscroll->hide();

    connect(CmdApply, &QPushButton::clicked, this, &frmClassAssignments::CmdApply_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &frmClassAssignments::CmdCancel_Click);
    connect(Chbhscroll, &QScrollBar::valueChanged, this, &frmClassAssignments::Chbhscroll_Change);
    connect(Chbvscroll, &QScrollBar::valueChanged, this, &frmClassAssignments::Chbvscroll_Change);
    ChbArrayControl.connectEach(&QAbstractButton::toggled,
                                [this](int box) { ChbArrayControl_Click(box); });
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { markFocus(now); });
    setAsksBeforeClosing();
    centre();
}

frmClassAssignments::~frmClassAssignments() {
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

bool frmClassAssignments::InitializeForm(qint32 teamCode, qint16 meet) {
    using namespace Controls;
    const QRect window = GridGeometry::window(AppState::ScreenWidth, AppState::ScreenHeight);
    setOuterGeometryTwips(window.x(), window.y(), window.width(), window.height());
    m_teamCode = teamCode;
    m_week = meet;

    QVector<ClassTable::Class> classes;
    if (!Controls::guarded([&] { classes = ClassTable::classes(); },
                           {QStringLiteral("The class entry grid cannot be opened")}))
        return false;
    for (const ClassTable::Class& c : classes) {
        m_classLimit[c.ClassNumber] = c.MaxEntries;
        m_className[c.ClassNumber] = c.ClassName;
    }
    std::optional<TeamStore::Team> team;
    if (!Controls::guarded([&] {
            team = TeamStore::findTeam(teamCode);
            m_riders = EntryStore::riders(teamCode);
        }))
        return false;
    if (team) {
        TxtTeam->setText(TeamStore::teamLine(*team));
        TxtTeam->setCursorPosition(0); // a long name shows its beginning
    }
    if (m_riders.isEmpty()) {
        Messages::notice(QStringLiteral("This error should not be reached"));
        return false;
    }

    ComputeGridCapacity();
    SetupScrollBars();
    m_view = view(m_capacity, int(m_riders.size()), 0, 0);
    const QFont small = Fonts::classic(8.25);
    // Every element is made hidden at the first place; placing the view shows those in it.
    const QPoint headingAt = kLayout.firstHeading(), riderAt = kLayout.firstLabel(),
                 cellAt = kLayout.firstCell();
    for (int c = 1; c <= kColumns; ++c) {
        const bool relayPartner = c == kColumns;
        const QImage picture =
            relayPartner
                ? ClassHeading::load(kRelayPartnerImage, QStringLiteral("Relay Partner"))
                : ClassHeading::load(classes.at(c - 1).imagepath, classes.at(c - 1).ClassName);
        lbltitlearray.add(pictureBox(this, QString(), QPixmap::fromImage(picture), QString(),
                                     headingAt.x(), headingAt.y(), 375, 1575));
    }
    const QPixmap picture = boxPicture();
    QStringList numbers;
    for (const EntryStore::Rider& rider : m_riders)
        numbers << rider.RiderNumber;
    for (int r = 1; r <= m_riders.size(); ++r) {
        lblrider
            .add(label(this, QString(), riderCaption(m_riders.at(r - 1)), riderAt.x(), riderAt.y(),
                       2175, 375, small))
            ->hide();
        for (int c = 1; c <= kClassCount; ++c) {
            QAbstractButton* box =
                graphicalCheckBox(this, QString(), picture, cellAt.x(), cellAt.y(), 375, 375);
            box->setFont(small);
            m_boxNumber.insert(box, boxIndex(r, c));
            ChbArrayControl.add(box)->hide();
        }
        QComboBox* partner =
            dropDownCombo(this, QString(), cellAt.x(), cellAt.y(), 735, 360, Limit::kNumber);
        partner->addItems(numbers);
        partner->setCurrentIndex(-1);
        partner->setEditText(QString());
        partner->setEnabled(false);
        Cbpartner.add(partner)->hide();
    }
    placeCells();
    PlaceButtons();
    LoadEntries();
    DrawGridLines();
    // Space changes a box, not Submit: the secretary starts on the first box that is open.
    for (int box = 1; box <= ChbArrayControl.count(); ++box) {
        if (ChbArrayControl[box]->isEnabled()) {
            ChbArrayControl[box]->setFocus(Qt::OtherFocusReason);
            markFocus(ChbArrayControl[box]);
            break;
        }
    }
    return true;
}

void frmClassAssignments::ComputeGridCapacity() {
    m_capacity = capacity(outerWidthTwips(), outerHeightTwips(), int(m_riders.size()));
}

void frmClassAssignments::SetupScrollBars() {
    const int w = outerWidthTwips(), h = outerHeightTwips();
    Controls::placeScrollBar(Chbvscroll,
                             verticalBar(w, h, m_capacity.visibleRows, int(m_riders.size())));
    Controls::placeScrollBar(Chbhscroll, horizontalBar(w, h, m_capacity.visibleColumns));
}

void frmClassAssignments::PlaceButtons() {
    const Buttons b = buttons(outerWidthTwips(), outerHeightTwips());
    CmdApply->move(Twips::toPixels(b.applyLeft), Twips::toPixels(b.top));
    CmdCancel->move(Twips::toPixels(b.cancelLeft), Twips::toPixels(b.top));
    CmdApply->show();
    CmdCancel->show();
}

void frmClassAssignments::DrawGridLines() {
    for (const Line& l : verticalLines(m_capacity))
        Vertlinearray.add(Controls::line(this, QString(), l, 2));
    for (const Line& l : horizontalLines(m_capacity))
        Horzlinearray.add(Controls::line(this, QString(), l, 3));
}

void frmClassAssignments::LoadEntries() {
    QVector<EntryStore::Entry> entries;
    QVector<EntryStore::Pairing> pairings;
    if (!Controls::guarded([&] {
            entries = EntryStore::entries(m_teamCode, m_week);
            pairings = EntryStore::pairings(m_teamCode, m_week);
        }))
        return;
    QHash<QString, int> rowOf; // stored numbers, as the join returns them
    for (int r = 1; r <= m_riders.size(); ++r)
        rowOf.insert(m_riders.at(r - 1).RiderNumber, r);
    // Checked as a click would: the box rule counts them and applies the limits.
    for (const EntryStore::Entry& e : entries) {
        const int row = rowOf.value(e.RiderNumber);
        if (row > 0 && e.ClassNumber >= 1 && e.ClassNumber <= kClassCount)
            ChbArrayControl[boxIndex(row, e.ClassNumber)]->setChecked(true);
    }
    for (const EntryStore::Pairing& p : pairings) {
        const int row = rowOf.value(p.RiderNumber);
        if (row > 0)
            Cbpartner[row]->setEditText(p.PartnerNumber);
    }
}

void frmClassAssignments::ChbArrayControl_Click(int box) {
    const int row = rowOfBox(box), c = classOfBox(box);
    const bool checked = ChbArrayControl[box]->isChecked();
    m_entryCount[c] += checked ? 1 : -1;
    if (c == ClassTable::kRelayClass) {
        QComboBox* partner = Cbpartner[row];
        if (partner && !checked) {
            partner->setCurrentIndex(-1);
            partner->setEditText(QString());
        }
        if (partner)
            partner->setEnabled(checked);
    }
    const bool open = m_entryCount[c] < m_classLimit[c];
    const QString why =
        open ? QString()
             : QStringLiteral("%1: the team's limit of %2 %3 is reached")
                   .arg(m_className[c])
                   .arg(m_classLimit[c])
                   .arg(m_classLimit[c] == 1 ? QStringLiteral("entry") : QStringLiteral("entries"));
    for (int r = 1; r <= m_riders.size(); ++r) {
        QAbstractButton* other = ChbArrayControl[boxIndex(r, c)];
        if (!other)
            continue;
        const bool closed = !open && !other->isChecked();
        other->setEnabled(!closed);
        other->setToolTip(closed ? why : QString());
    }
}

void frmClassAssignments::placeCells() {
    const View& v = m_view;
    lbltitlearray.showView([&v](int c) { return headingPlace(kLayout, c, v); });
    lblrider.showView([&v](int r) { return rowLabelPlace(kLayout, r, v); });
    ChbArrayControl.showView(
        [&v](int box) { return cellPlace(kLayout, rowOfBox(box), classOfBox(box), v); });
    Cbpartner.showView([&v](int r) { return cellPlace(kLayout, r, kColumns, v); });
}

void frmClassAssignments::Chbhscroll_Change() {
    m_view = view(m_capacity, int(m_riders.size()), Chbhscroll->value(),
                  Chbvscroll->isVisibleTo(this) ? Chbvscroll->value() : 0);
    placeCells();
}

void frmClassAssignments::Chbvscroll_Change() {
    Chbhscroll_Change(); // one placing pass serves both bars
}

QAbstractButton* frmClassAssignments::openBox(int row, int c, int dRow, int dClass, int stopRow,
                                              int stopClass) const {
    const int rows = int(m_riders.size());
    for (; row >= 1 && row <= rows && c >= 1 && c <= kClassCount; row += dRow, c += dClass) {
        if (row == stopRow && c == stopClass)
            break;
        QAbstractButton* box = ChbArrayControl[boxIndex(row, c)];
        if (box->isEnabled())
            return box;
    }
    return nullptr;
}

void frmClassAssignments::keyPressEvent(QKeyEvent* event) {
    const int box = m_boxNumber.value(focusWidget(), 0);
    if (box == 0 || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        FormBase::keyPressEvent(event);
        return;
    }
    const int row = rowOfBox(box), c = classOfBox(box), rows = int(m_riders.size());
    const int page = std::max(1, m_capacity.visibleRows);
    // Arrows look on past closed boxes; the others go as far as they may and come back
    // towards the focus to the nearest open box.
    QAbstractButton* next = nullptr;
    switch (event->key()) {
    case Qt::Key_Left:
        next = openBox(row, c - 1, 0, -1);
        break;
    case Qt::Key_Right:
        next = openBox(row, c + 1, 0, 1);
        break;
    case Qt::Key_Up:
        next = openBox(row - 1, c, -1, 0);
        break;
    case Qt::Key_Down:
        next = openBox(row + 1, c, 1, 0);
        break;
    case Qt::Key_Home:
        next = openBox(row, 1, 0, 1, row, c);
        break;
    case Qt::Key_End:
        next = openBox(row, kClassCount, 0, -1, row, c);
        break;
    case Qt::Key_PageUp:
        next = openBox(std::max(1, row - page), c, 1, 0, row, c);
        break;
    case Qt::Key_PageDown:
        next = openBox(std::min(rows, row + page), c, -1, 0, row, c);
        break;
    default:
        FormBase::keyPressEvent(event);
        return;
    }
    event->accept();
    if (next)
        focusBox(next);
}

void frmClassAssignments::focusBox(QAbstractButton* box) {
    const int n = m_boxNumber.value(box), row = rowOfBox(n), c = classOfBox(n);
    if (c < m_view.columns.first)
        Chbhscroll->setValue(Chbhscroll->value() - (m_view.columns.first - c));
    else if (c > m_view.columns.last)
        Chbhscroll->setValue(Chbhscroll->value() + (c - m_view.columns.last));
    if (row < m_view.rows.first)
        Chbvscroll->setValue(Chbvscroll->value() - (m_view.rows.first - row));
    else if (row > m_view.rows.last)
        Chbvscroll->setValue(Chbvscroll->value() + (row - m_view.rows.last));
    box->setFocus(Qt::TabFocusReason);
}

void frmClassAssignments::markFocus(QWidget* now) {
    if (!now || now->window() != this)
        return; // a message box or another window: the mark stays
    const int n = m_boxNumber.value(now, 0);
    const int row = n ? rowOfBox(n) : 0, c = n ? classOfBox(n) : 0;
    if (row == m_markedRow && c == m_markedClass)
        return;
    // One sheet for both marks: the heading is a picture, so its border says it as well.
    static const QString kMark =
        QStringLiteral("QLabel { background-color: #ffd27f; border: 2px solid #e08000; }");
    if (QLabel* old = lblrider[m_markedRow])
        old->setStyleSheet(QString());
    if (QLabel* old = lbltitlearray[m_markedClass])
        old->setStyleSheet(QString());
    m_markedRow = row;
    m_markedClass = c;
    if (QLabel* rider = lblrider[row])
        rider->setStyleSheet(kMark);
    if (QLabel* heading = lbltitlearray[c])
        heading->setStyleSheet(kMark);
}

void frmClassAssignments::wheelEvent(QWheelEvent* event) {
    Controls::wheelToScrollBar(event, Chbvscroll, &m_wheelRemainder);
}

bool frmClassAssignments::relayChecksPass(QVector<EntryStore::Pairing>* pairs) {
    QVector<RelayRule::Row> rows;
    for (int r = 1; r <= m_riders.size(); ++r) {
        QComboBox* partner = Cbpartner[r];
        rows.push_back({m_riders.at(r - 1).RiderNumber,
                        ChbArrayControl[boxIndex(r, ClassTable::kRelayClass)]->isChecked(),
                        partner->currentText(), Controls::wasCut(partner->lineEdit())});
    }
    RelayRule::Outcome outcome;
    if (!Controls::guarded([&] {
            outcome = RelayRule::check(rows, RelayRule::storedRecords(m_teamCode, m_week));
        }))
        return false;
    if (!outcome.refusal.isEmpty()) {
        Messages::notice(outcome.refusal);
        return false;
    }
    *pairs = outcome.pairs;
    return true;
}

void frmClassAssignments::CmdApply_Click() {
    int checked = 0;
    for (int box = 1; box <= ChbArrayControl.count(); ++box)
        checked += ChbArrayControl[box]->isChecked() ? 1 : 0;
    if (!Messages::confirm(QStringLiteral("This will save all the changes made to this form. "
                                          "There are currently %1 entries for this team. Are you "
                                          "sure you want to continue?")
                               .arg(checked)))
        return;
    QVector<EntryStore::Pairing> pairs;
    if (!relayChecksPass(&pairs))
        return;
    QVector<QString> numbers;
    QVector<EntryStore::Entry> entries;
    for (int r = 1; r <= m_riders.size(); ++r) {
        numbers << m_riders.at(r - 1).RiderNumber;
        for (int c = 1; c <= kClassCount; ++c) {
            if (ChbArrayControl[boxIndex(r, c)]->isChecked())
                entries.push_back({m_riders.at(r - 1).RiderNumber, c});
        }
    }
    if (Controls::guarded([&] { EntryStore::replace(numbers, m_week, entries, pairs); }))
        closeWithoutAsking();
}

void frmClassAssignments::CmdCancel_Click() {
    if (Messages::confirm(Messages::kCancelQuestion))
        closeWithoutAsking();
}
