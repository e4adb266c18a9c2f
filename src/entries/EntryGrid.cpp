#include "entries/EntryGrid.h"

#include <algorithm>
#include <cmath>

namespace EntryGrid {

Capacity capacity(int outerWidth, int outerHeight, int riderCount) {
    Capacity c{};
    // 360 + 2175 + 225 + 225 + 450 + 100 across; 1875 + 1075 + 450 down.
    c.visibleColumns = roundHalfEven((outerWidth - 3535) / double(kLayout.columns.pitch));
    c.visibleRows = roundHalfEven((outerHeight - 3400) / double(kLayout.rows.pitch));
    c.verticalLines = std::min(c.visibleColumns, kColumns);
    c.horizontalLines = std::min(c.visibleRows, riderCount) + 1;
    c.horizontalLineRight = GridGeometry::linesRight(kLayout, c.verticalLines);
    c.verticalLineBottom = GridGeometry::linesBottom(kLayout, c.horizontalLines - 1);
    return c;
}

Bar verticalBar(int outerWidth, int outerHeight, int visibleRows, int riderCount) {
    return GridGeometry::verticalBar(outerWidth, outerHeight, visibleRows, riderCount);
}

Bar horizontalBar(int outerWidth, int outerHeight, int visibleColumns) {
    return GridGeometry::horizontalBar(outerWidth, outerHeight, visibleColumns, kColumns);
}

Buttons buttons(int outerWidth, int outerHeight, int buttonWidth, int buttonHeight) {
    const int unit = roundHalfEven(outerWidth / 6.0);
    return {2.0 * unit - buttonWidth / 2.0, 4.0 * unit - buttonWidth / 2.0,
            outerHeight - 150 - 300 - kScrollBarSize - buttonHeight - 75};
}

QVector<Line> verticalLines(const Capacity& capacity) {
    return GridGeometry::columnLines(kLayout, capacity.verticalLines, capacity.verticalLineBottom);
}

QVector<Line> horizontalLines(const Capacity& capacity) {
    return GridGeometry::rowLines(kLayout, capacity.horizontalLines, capacity.horizontalLineRight);
}

View view(const Capacity& capacity, int riderCount, int columnValue, int rowValue) {
    return GridGeometry::view(capacity.visibleColumns, kColumns, capacity.visibleRows, riderCount,
                              columnValue, rowValue);
}

int boxIndex(int row, int classNumber) {
    return (row - 1) * kClassCount + classNumber;
}

int rowOfBox(int box) {
    return (box - 1) / kClassCount + 1;
}

int classOfBox(int box) {
    return box - (rowOfBox(box) - 1) * kClassCount;
}

} // namespace EntryGrid
