#pragma once

#include "core/GridGeometry.h"
#include "data/ClassTable.h"

#include <QtGlobal>

// The class entry grid's geometry, in twips, from the window's outer size: how many class
// columns and rider rows fit, where the scroll bars, buttons and lines go, and where a scroll
// puts the headings, rider labels and cells. Pure rules; the screen only applies them.
namespace EntryGrid {

using ClassTable::kClassCount;
inline constexpr int kClasses = kClassCount;     // the class columns, 1 to kClasses
inline constexpr int kColumns = kClassCount + 1; // the classes and the relay partner column
using GridGeometry::Axis;
using GridGeometry::kScrollBarSize;
using GridGeometry::Line;
using GridGeometry::Place;
using GridGeometry::roundHalfEven;
// The places of the columns and rows in view: a 375 cell and a 225 gap, across and down.
inline constexpr Axis kColumnsAt{2760, 600};
inline constexpr Axis kRowsAt{1875, 600};
inline constexpr int kRiderLeft = 360;  // the rider labels; the row lines start here
inline constexpr int kHeadingTop = 100; // the column headings; the column lines start here
// The lines run 125 before each column and row in view.
inline constexpr Axis kColumnLinesAt = kColumnsAt.shifted(-125);
inline constexpr Axis kRowLinesAt = kRowsAt.shifted(-125);

struct Capacity {
    int visibleColumns;
    int visibleRows;
    int verticalLines;
    int horizontalLines;
    int horizontalLineRight; // where the horizontal lines end
    int verticalLineBottom;  // where the vertical lines end
};
Capacity capacity(int outerWidth, int outerHeight, int riderCount);

using GridGeometry::Bar;
Bar verticalBar(int outerWidth, int outerHeight, int visibleRows, int riderCount);
Bar horizontalBar(int outerWidth, int outerHeight, int visibleColumns);

// Left edges of the two buttons (centred on the first and second third of the window) and
// their common top.
struct Buttons {
    double applyLeft, cancelLeft;
    int top;
};
Buttons buttons(int outerWidth, int outerHeight, int buttonWidth = 1815, int buttonHeight = 495);

// The grid lines, drawn once; scrolling moves the cells under them.
QVector<Line> verticalLines(const Capacity& capacity);
QVector<Line> horizontalLines(const Capacity& capacity);

// The columns and rows in view for the scroll bars' values.
struct View {
    GridGeometry::Span columns, rows;
};
View view(const Capacity& capacity, int riderCount, int columnValue, int rowValue);

// Where the view puts the heading of column c, the label of row r and the cell of row r and
// column c (a box, or the partner list in the last column); none while out of view.
Place headingPlace(int column, const View& view);
Place riderPlace(int row, const View& view);
Place cellPlace(int row, int column, const View& view);

// Box numbering: box (r - 1) x kClassCount + c for row r and class c.
int boxIndex(int row, int classNumber);
int rowOfBox(int box);
int classOfBox(int box);

} // namespace EntryGrid
