#include "entries/EntryGrid.h"

#include <algorithm>
#include <cmath>

namespace EntryGrid {

Capacity capacity(int outerWidth, int outerHeight, int riderCount) {
    Capacity c{};
    // 360 + 2175 + 225 + 225 + 450 + 100 across; 1875 + 1075 + 450 down.
    c.visibleColumns = roundHalfEven((outerWidth - 3535) / double(kPitch));
    c.visibleRows = roundHalfEven((outerHeight - 3400) / double(kPitch));
    c.verticalLines = c.visibleColumns > kClasses ? kColumns : c.visibleColumns;
    c.horizontalLines = std::min(c.visibleRows, riderCount) + 1;
    c.horizontalLineRight = c.verticalLines * kPitch + kFirstLeft - 125;
    c.verticalLineBottom = (c.horizontalLines - 1) * kPitch + kFirstTop - 125;
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

View view(const Capacity& capacity, int riderCount, int columnValue, int rowValue) {
    return {1 + columnValue, std::min(capacity.visibleColumns, kColumns) + columnValue,
            1 + rowValue, std::min(capacity.visibleRows, riderCount) + rowValue};
}

int cellLeft(int column, const View& view) {
    return kFirstLeft + kPitch * (column - view.firstColumn);
}

int cellTop(int row, const View& view) {
    return kFirstTop + kPitch * (row - view.firstRow);
}

int boxIndex(int row, int classNumber) {
    return (row - 1) * kClasses + classNumber;
}

int rowOfBox(int box) {
    return (box - 1) / kClasses + 1;
}

int classOfBox(int box) {
    return box - (rowOfBox(box) - 1) * kClasses;
}

} // namespace EntryGrid
