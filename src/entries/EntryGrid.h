#pragma once

#include "core/GridGeometry.h"

#include <QtGlobal>

// The class entry grid's geometry, in twips, from the window's outer size: how many class
// columns and rider rows fit, where the scroll bars, buttons and lines go, and which cells a
// scroll shows. Pure rules; the screen only applies them.
namespace EntryGrid {

inline constexpr int kClasses = 18;
inline constexpr int kColumns = 19; // the classes and the relay partner column
inline constexpr int kPitch = 600;  // a 375 cell and a 225 gap, across and down
inline constexpr int kFirstLeft = 2760;
inline constexpr int kFirstTop = 1875;
using GridGeometry::kScrollBarSize;
using GridGeometry::roundHalfEven;

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

// The columns and rows in view (1-based, inclusive) for the scroll bars' values.
struct View {
    int firstColumn, lastColumn, firstRow, lastRow;
};
View view(const Capacity& capacity, int riderCount, int columnValue, int rowValue);

// Where a cell in view sits.
int cellLeft(int column, const View& view);
int cellTop(int row, const View& view);

// Box numbering: box (r - 1) x 18 + c for row r and class c.
int boxIndex(int row, int classNumber);
int rowOfBox(int box);
int classOfBox(int box);

} // namespace EntryGrid
