#include "placings/FrmPointStanding.h"

#include "core/AppState.h"
#include "core/ClassHeading.h"
#include "data/ClassTable.h"
#include "data/DbError.h"
#include "forms/Controls.h"
#include "forms/Fonts.h"
#include "forms/Messages.h"
#include "placings/PlacingStore.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QScrollBar>
#include <QWheelEvent>

using namespace Standings;

FrmPointStanding::FrmPointStanding()
    : FormBase(QStringLiteral("FrmPointStanding"), QStringLiteral("Point Standings"), 11970, 6255) {
    using namespace Controls;
    LblDistrict =
        label(this, "LblDistrict", QString(), 120, 120, 2175, 495, Fonts::classic(18, true));
    LblWeek =
        label(this, "LblWeek", "Point Standings", 120, 720, 2175, 615, Fonts::classic(12, true));
    Chbvscroll = verticalScrollBar(this, "Chbvscroll", 0, 0, GridGeometry::kScrollBarSize, 1000);
    Chbhscroll = horizontalScrollBar(this, "Chbhscroll", 0, 0, 1000, GridGeometry::kScrollBarSize);
    Chbvscroll->hide();
    Chbhscroll->hide();
    connect(Chbhscroll, &QScrollBar::valueChanged, this, &FrmPointStanding::Chbhscroll_Change);
    connect(Chbvscroll, &QScrollBar::valueChanged, this, &FrmPointStanding::Chbvscroll_Change);
    centre();
}

bool FrmPointStanding::InitializeForm(qint16 meet) {
    using namespace Controls;
    const QRect window = GridGeometry::window(AppState::ScreenWidth, AppState::ScreenHeight);
    setOuterGeometryTwips(window.x(), window.y(), window.width(), window.height());
    m_week = meet;
    LblDistrict->setText(QStringLiteral("District ") + AppState::DistrictNum);
    QVector<ClassTable::Class> classes;
    if (!Controls::guarded(
            [&] {
                classes = ClassTable::classes();
                m_teams = TeamStore::teamsByDivision();
            },
            {QStringLiteral("The point standings cannot be shown")}))
        return false;
    if (m_teams.isEmpty()) {
        Messages::notice(QStringLiteral("This error should not be reached"));
        return false;
    }
    SizeGrid();
    SetScrollBars();
    for (const ClassTable::Class& c : classes) {
        const QImage picture = ClassHeading::load(c.imagepath, c.ClassName);
        lbltitlearray.add(pictureBox(this, QString(), QPixmap::fromImage(picture), QString(),
                                     kLayout.firstHeading().x(), kLayout.firstHeading().y(), 495,
                                     1575));
    }
    // One label and one pair of boxes for every place in view; scrolling changes what they
    // show and the names they carry, never where they are.
    const QFont teamFont = Fonts::classic(9, true, QStringLiteral("Arial"));
    const auto addBox = [this](ControlArray<QLineEdit>& boxes, QPoint at) {
        QLineEdit* box = textBox(this, QString(), at.x(), at.y(), 495, 195, Limit::kAddress);
        box->setReadOnly(true);
        box->setAlignment(Qt::AlignCenter);
        box->setFrame(false);
        boxes.add(box);
    };
    for (int i = 1, slot = 1; i <= m_grid.rowsInView; ++i) {
        const QPoint at = teamLabelAt(i);
        LblTeamArray.add(label(this, QString(), QString(), at.x(), at.y(), 2055, 555, teamFont));
        for (int j = 1; j <= m_grid.columnsInView; ++j, ++slot) {
            addBox(TxtPlacingArray, placeBoxAt(slot, m_grid));
            addBox(TxtPointArray, pointsBoxAt(slot, m_grid));
        }
    }
    DrawGridLines();
    Update_Scores();
    return true;
}

void FrmPointStanding::SizeGrid() {
    m_grid = grid(outerWidthTwips(), outerHeightTwips(), int(m_teams.size()));
    m_view = view(m_grid, int(m_teams.size()), 0, 0);
}

void FrmPointStanding::SetScrollBars() {
    const int w = outerWidthTwips(), h = outerHeightTwips();
    Controls::placeScrollBar(Chbvscroll, verticalBar(w, h, m_grid.rowsShown, int(m_teams.size())));
    Controls::placeScrollBar(Chbhscroll, horizontalBar(w, h, m_grid.colsShown));
}

void FrmPointStanding::DrawGridLines() {
    for (const Line& l : verticalLines(m_grid))
        Vertlinearray.add(Controls::line(this, QString(), l));
    for (const Line& l : horizontalLines(m_grid))
        Horzlinearray.add(Controls::line(this, QString(), l));
    for (const Line& l : middleLines(m_grid))
        Midhorzlinearray.add(Controls::line(this, QString(), l));
}

void FrmPointStanding::Update_Scores() {
    QVector<Placing> placings;
    if (Controls::guarded([&] { placings = PlacingStore::placingsWithTeams(m_week); }))
        m_rows = tally(placings);
    showView();
}

void FrmPointStanding::showView() {
    const View& v = m_view;
    lbltitlearray.showView([&v](int k) { return headingPlace(kLayout, k, v); });
    LblTeamArray.nameView([&v](int i) { return teamShownAt(i, v); });
    const auto boxShownAt = [this](int slot) {
        const Cell cell = cellShownAt(slot, m_grid, m_view);
        return boxIndex(cell.team, cell.classNumber);
    };
    TxtPlacingArray.nameView(boxShownAt);
    TxtPointArray.nameView(boxShownAt);
    const TeamRow empty;
    const auto rowOf = [&](int team) -> const TeamRow& {
        const auto found = m_rows.constFind(m_teams.at(team - 1).TeamCode);
        return found == m_rows.constEnd() ? empty : *found;
    };
    for (int i = 1; i <= LblTeamArray.count(); ++i) {
        const TeamStore::Team& team = m_teams.at(teamShownAt(i, v) - 1);
        LblTeamArray[i]->setText(team.TeamName + QStringLiteral(" - ") + team.Division);
    }
    for (int slot = 1; slot <= TxtPlacingArray.count(); ++slot) {
        const Cell cell = cellShownAt(slot, m_grid, v);
        TxtPlacingArray[slot]->setText(rowOf(cell.team).places[cell.classNumber]);
        TxtPointArray[slot]->setText(rowOf(cell.team).points[cell.classNumber]);
    }
}

void FrmPointStanding::Chbhscroll_Change() {
    m_view = view(m_grid, int(m_teams.size()), Chbhscroll->value(),
                  Chbvscroll->isVisibleTo(this) ? Chbvscroll->value() : 0);
    showView();
}

void FrmPointStanding::Chbvscroll_Change() {
    Chbhscroll_Change(); // one pass serves both bars
}

void FrmPointStanding::wheelEvent(QWheelEvent* event) {
    Controls::wheelToScrollBar(event, Chbvscroll, &m_wheelRemainder);
}
