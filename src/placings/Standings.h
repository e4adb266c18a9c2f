#pragma once

#include "core/GridGeometry.h"
#include "data/ClassTable.h"

#include <QHash>
#include <QString>
#include <QVector>
#include <array>

// The point standings of a meet: for every team and class the places its riders took and the
// team's running points. Pure rules over the stored placings; the grid and the scroll
// geometry of the standings screen are here too.
namespace Standings {

using ClassTable::kClassCount;

// One stored placing of the meet, with the team its rider belongs to now.
struct Placing {
    qint32 TeamCode = 0;
    int ClassNumber = 0;
    int Place = 0;
    int Points = 0;
};

// A team's row: for class c, its places ("1,3") and its points summed over the classes up to
// and including c in which it earned any ("21"); both empty where it placed no one.
struct TeamRow {
    std::array<QString, kClassCount + 1> places;
    std::array<QString, kClassCount + 1> points;
};

// The rows of every team that placed, by team code (so same-named teams never mix).
QHash<qint32, TeamRow> tally(QVector<Placing> placings);

using GridGeometry::headingPlace;
using GridGeometry::Line;
using GridGeometry::View;
// A 495 box and a 150 gap across, a 555 team label and 165 down; the headings 50 into their
// columns at top 100; the team labels at left 200; the lines 80 before each column and 50
// above each row.
inline constexpr GridGeometry::Layout kLayout{{2480, 645}, {1750, 720}, 50,         100,
                                              200,         {2400, 645}, {1700, 720}};
inline constexpr int kPointsBelow = 360; // the points box under the place box of a cell
inline constexpr GridGeometry::Axis kMiddleLinesAt = kLayout.rows.shifted(300);

// The grid's geometry in twips, from the window's outer size.
struct Grid {
    int colsShown, rowsShown;
    int columnsInView, rowsInView; // the places of the view: as many as fit and there are
    int gridRight, gridBottom;
    int verticalLines, horizontalLines, middleLines;
};
Grid grid(int outerWidth, int outerHeight, int teamCount);

using GridGeometry::Bar;
Bar verticalBar(int outerWidth, int outerHeight, int rowsShown, int teamCount);
Bar horizontalBar(int outerWidth, int outerHeight, int colsShown);

// The grid lines, drawn once; scrolling changes what the boxes under them show.
QVector<Line> verticalLines(const Grid& grid);
QVector<Line> horizontalLines(const Grid& grid);
QVector<Line> middleLines(const Grid& grid);

// The columns and rows in view for the scroll bars' values.
View view(const Grid& grid, int teamCount, int columnValue, int rowValue);

// The team labels and boxes stay at the places of the view and show the teams and classes
// the view brings to them: label i is the team label of row place i, box slot s the cell of
// row place (s - 1) / columnsInView + 1 and column place (s - 1) % columnsInView + 1.
QPoint teamLabelAt(int rowPlace);
QPoint placeBoxAt(int slot, const Grid& grid);
QPoint pointsBoxAt(int slot, const Grid& grid);
int teamShownAt(int rowPlace, const View& view);
// The team and class of the cell that box slot s shows in `view`.
struct Cell {
    int team, classNumber;
};
Cell cellShownAt(int slot, const Grid& grid, const View& view);

// Box numbering: (t - 1) x kClassCount + k for team t and class k.
int boxIndex(int team, int classNumber);

} // namespace Standings
