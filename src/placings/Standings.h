#pragma once

#include "core/GridGeometry.h"

#include <QHash>
#include <QString>
#include <QVector>
#include <array>

// The point standings of a meet: for every team and class the places its riders took and the
// team's running points. Pure rules over the stored placings; the grid and the scroll
// geometry of the standings screen are here too.
namespace Standings {

inline constexpr int kClasses = 18;

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
    std::array<QString, kClasses + 1> places;
    std::array<QString, kClasses + 1> points;
};

// The rows of every team that placed, by team code (so same-named teams never mix).
QHash<qint32, TeamRow> tally(QVector<Placing> placings);

// The grid's geometry in twips, from the window's outer size.
struct Grid {
    int colsShown, rowsShown;
    int gridRight, gridBottom;
    int verticalLines, horizontalLines, middleLines;
};
Grid grid(int outerWidth, int outerHeight, int teamCount);

using GridGeometry::Bar;
Bar verticalBar(int outerWidth, int outerHeight, int rowsShown, int teamCount);
Bar horizontalBar(int outerWidth, int outerHeight, int colsShown);

// The columns and rows in view (1-based, inclusive) for the scroll bars' values.
struct View {
    int firstCol, lastCol, firstRow, lastRow;
};
View view(const Grid& grid, int teamCount, int columnValue, int rowValue);
int cellLeft(int classNumber, const View& view);
int rowTop(int team, const View& view);
// Box numbering: (t - 1) x 18 + k for team t and class k.
int boxIndex(int team, int classNumber);

} // namespace Standings
