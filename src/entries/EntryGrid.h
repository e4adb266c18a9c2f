#pragma once

#include "core/GridGeometry.h"
#include "data/ClassTable.h"

#include <QtGlobal>

// The class entry grid's geometry, in twips, from the window's outer size: how many class
// columns and rider rows fit, where the scroll bars, buttons and lines go, and where a scroll
// puts the headings, rider labels and cells (the partner list in the last column). Pure rules;
// the screen only applies them.
namespace EntryGrid {

using ClassTable::kClassCount;
inline constexpr int kColumns = kClassCount + 1; // the classes and the relay partner column
using GridGeometry::cellPlace;
using GridGeometry::headingPlace;
using GridGeometry::kScrollBarSize;
using GridGeometry::Line;
using GridGeometry::roundHalfEven;
using GridGeometry::rowLabelPlace;
using GridGeometry::View;
// A 375 cell and a 225 gap, across and down; the headings over their columns at top 100; the
// rider labels at left 360; the lines 125 before each column and row.
inline constexpr GridGeometry::Layout kLayout{{2760, 600}, {1875, 600}, 0,          100,
                                              360,         {2635, 600}, {1750, 600}};

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
View view(const Capacity& capacity, int riderCount, int columnValue, int rowValue);

// Box numbering: box (r - 1) x kClassCount + c for row r and class c.
int boxIndex(int row, int classNumber);
int rowOfBox(int box);
int classOfBox(int box);

} // namespace EntryGrid
