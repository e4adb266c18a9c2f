#include "core/GridGeometry.h"

#include <algorithm>
#include <cmath>

namespace GridGeometry {

int roundHalfEven(double x) {
    return int(std::nearbyint(x)); // the default rounding mode sends halves to even
}

QRect window(int screenWidth, int screenHeight) {
    return {50, 50, screenWidth - 100, screenHeight - 600};
}

Bar verticalBar(int outerWidth, int outerHeight, int visible, int count) {
    if (visible >= count)
        return {false, 0, 0, 0, kScrollBarSize, 0};
    return {true, count - visible, outerWidth - 150 - kScrollBarSize,
            0,    kScrollBarSize,  outerHeight - 750};
}

Bar horizontalBar(int outerWidth, int outerHeight, int visible, int count) {
    if (visible >= count)
        return {false, 0, 0, 0, 0, kScrollBarSize};
    return {true,          count - visible, 0, outerHeight - 450 - kScrollBarSize, outerWidth - 450,
            kScrollBarSize};
}

Span inView(int fit, int count, int value) {
    return {1 + value, std::min(fit, count) + value};
}

std::optional<int> placeInView(int n, const Span& view, const Axis& axis) {
    if (!view.contains(n))
        return std::nullopt;
    return axis.at(n - view.first + 1);
}

Place place(std::optional<int> x, std::optional<int> y) {
    if (!x || !y)
        return std::nullopt;
    return QPoint(*x, *y);
}

QVector<Line> linesDown(int count, const Axis& xs, int top, int bottom) {
    QVector<Line> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back({xs.at(i), top, xs.at(i), bottom});
    return lines;
}

QVector<Line> linesAcross(int count, const Axis& ys, int left, int right) {
    QVector<Line> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back({left, ys.at(i), right, ys.at(i)});
    return lines;
}

View view(int fitColumns, int columnCount, int fitRows, int rowCount, int columnValue,
          int rowValue) {
    return {inView(fitColumns, columnCount, columnValue), inView(fitRows, rowCount, rowValue)};
}

Place headingPlace(const Layout& layout, int column, const View& view) {
    return place(placeInView(column, view.columns, layout.columns.shifted(layout.headingShift)),
                 layout.headingTop);
}

Place rowLabelPlace(const Layout& layout, int row, const View& view) {
    return place(layout.labelLeft, placeInView(row, view.rows, layout.rows));
}

Place cellPlace(const Layout& layout, int row, int column, const View& view) {
    return place(placeInView(column, view.columns, layout.columns),
                 placeInView(row, view.rows, layout.rows));
}

int linesRight(const Layout& layout, int columns) {
    return layout.columnLines.at(columns + 1);
}

int linesBottom(const Layout& layout, int rows) {
    return layout.rowLines.at(rows + 1);
}

QVector<Line> columnLines(const Layout& layout, int count, int bottom) {
    return linesDown(count, layout.columnLines, layout.headingTop, bottom);
}

QVector<Line> rowLines(const Layout& layout, int count, int right) {
    return linesAcross(count, layout.rowLines, layout.labelLeft, right);
}

} // namespace GridGeometry
