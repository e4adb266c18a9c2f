#include "placings/FrmPointStanding.h"

#include "core/AppState.h"
#include "core/ClassHeading.h"
#include "core/Twips.h"
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
    Chbvscroll = verticalScrollBar(this, "Chbvscroll", 0, 0, 255, 1000);
    Chbhscroll = horizontalScrollBar(this, "Chbhscroll", 0, 0, 1000, 255);
    Chbvscroll->hide();
    Chbhscroll->hide();
    connect(Chbhscroll, &QScrollBar::valueChanged, this, &FrmPointStanding::Chbhscroll_Change);
    connect(Chbvscroll, &QScrollBar::valueChanged, this, &FrmPointStanding::Chbvscroll_Change);
    centre();
}

bool FrmPointStanding::InitializeForm(qint16 meet) {
    using namespace Controls;
    setOuterGeometryTwips(50, 50, AppState::ScreenWidth - 100, AppState::ScreenHeight - 600);
    m_week = meet;
    LblDistrict->setText(QStringLiteral("District ") + AppState::DistrictNum);
    QVector<ClassTable::Class> classes;
    try {
        classes = ClassTable::classes();
        m_teams = TeamStore::teamsByDivision();
    } catch (const DbError& e) {
        Messages::notice(
            QStringLiteral("The point standings cannot be shown: %1.").arg(e.reason()));
        return false;
    }
    if (m_teams.isEmpty()) {
        Messages::notice(QStringLiteral("This error should not be reached"));
        return false;
    }
    SizeGrid();
    SetScrollBars();
    for (const ClassTable::Class& c : classes) {
        const QImage picture = ClassHeading::load(c.imagepath, c.ClassName);
        m_headings << pictureBox(this, arrayName("lbltitlearray", c.ClassNumber),
                                 QPixmap::fromImage(picture), QString(), 2530, 100, 495, 1575);
    }
    // One label and one pair of boxes for every place in view; scrolling changes what they
    // show and the names they carry, never where they are.
    const int rows = std::min(m_grid.rowsShown, int(m_teams.size()));
    const int cols = std::min(m_grid.colsShown, kClasses);
    const QFont teamFont = Fonts::classic(9, true, QStringLiteral("Arial"));
    for (int i = 0; i < rows; ++i) {
        const int top = 1750 + 720 * i;
        m_teamLabels << label(this, QString(), QString(), 200, top, 2055, 555, teamFont);
        for (int j = 0; j < cols; ++j) {
            const int left = 2480 + 645 * j;
            for (auto [boxes, offset] :
                 {std::pair{&m_placeBoxes, 0}, std::pair{&m_pointBoxes, 360}}) {
                QLineEdit* box =
                    textBox(this, QString(), left, top + offset, 495, 195, Limit::kAddress);
                box->setReadOnly(true);
                box->setAlignment(Qt::AlignCenter);
                box->setFrame(false);
                *boxes << box;
            }
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
    using Controls::arrayName;
    for (int i = 1; i <= m_grid.verticalLines; ++i) {
        const int x = 2400 + 645 * (i - 1);
        Controls::line(this, arrayName("Vertlinearray", i), x, 100, x, m_grid.gridBottom);
    }
    for (int i = 1; i <= m_grid.horizontalLines; ++i) {
        const int y = 1700 + 720 * (i - 1);
        Controls::line(this, arrayName("Horzlinearray", i), 200, y, m_grid.gridRight, y);
    }
    for (int i = 1; i <= m_grid.middleLines; ++i) {
        const int y = 2050 + 720 * (i - 1);
        Controls::line(this, arrayName("Midhorzlinearray", i), 2400, y, m_grid.gridRight, y);
    }
}

void FrmPointStanding::Update_Scores() {
    QVector<Placing> placings;
    if (Controls::guarded([&] { placings = PlacingStore::placingsWithTeams(m_week); }))
        m_rows = tally(placings);
    showView();
}

void FrmPointStanding::showView() {
    using Controls::arrayName;
    for (int k = 1; k <= kClasses && k <= m_headings.size(); ++k) {
        QLabel* heading = m_headings.at(k - 1);
        const bool shown = k >= m_view.firstCol && k <= m_view.lastCol;
        if (shown)
            heading->move(Twips::toPixels(cellLeft(k, m_view) + 50), heading->y());
        heading->setVisible(shown);
    }
    const int cols = std::min(m_grid.colsShown, kClasses);
    const TeamRow empty;
    for (int i = 0; i < m_teamLabels.size(); ++i) {
        const int t = m_view.firstRow + i;
        const TeamStore::Team& team = m_teams.at(t - 1);
        Controls::name(m_teamLabels.at(i), arrayName("LblTeamArray", t));
        m_teamLabels.at(i)->setText(team.TeamName + QStringLiteral(" - ") + team.Division);
        const auto found = m_rows.constFind(team.TeamCode);
        const TeamRow& row = found == m_rows.constEnd() ? empty : *found;
        for (int j = 0; j < cols; ++j) {
            const int k = m_view.firstCol + j;
            QLineEdit* place = m_placeBoxes.at(i * cols + j);
            QLineEdit* points = m_pointBoxes.at(i * cols + j);
            Controls::name(place, arrayName("TxtPlacingArray", boxIndex(t, k)));
            Controls::name(points, arrayName("TxtPointArray", boxIndex(t, k)));
            place->setText(row.places[k]);
            points->setText(row.points[k]);
        }
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
