#pragma once

#include <QPoint>
#include <QRect>
#include <QVector>
#include <optional>

// What the grid screens share in their geometry, in twips: the scroll bars of the two grids
// given by the window's outer size, the rows and columns a scroll brings into view, where the
// places of a grid lie and its lines.
namespace GridGeometry {

inline constexpr int kScrollBarSize = 255;

// Whole number nearest to x, halves to the even neighbour (13.5 gives 14, 12.5 gives 12).
int roundHalfEven(double x);

// The outer window of the two grids on a screen of that size: nearly all of it.
QRect window(int screenWidth, int screenHeight);

// A scroll bar's place and range; hidden when everything fits.
struct Bar {
    bool shown;
    int maximum;
    int left, top, width, height;
};
// The bar down the right edge, for `count` rows of which `visible` fit.
Bar verticalBar(int outerWidth, int outerHeight, int visible, int count);
// The bar along the bottom, for `count` columns of which `visible` fit.
Bar horizontalBar(int outerWidth, int outerHeight, int visible, int count);

// The rows (or columns) in view, 1-based and inclusive.
struct Span {
    int first, last;
    bool contains(int n) const { return n >= first && n <= last; }
};
// The rows in view of `count` rows of which `fit` fit, with the scroll bar at `value`.
Span inView(int fit, int count, int value);

// One direction of a grid: the edge of its first place and the distance between places.
struct Axis {
    int first, pitch;
    // The edge of the n-th place (from 1).
    constexpr int at(int n) const { return first + pitch * (n - 1); }
    // The axis of what sits `offset` further along at every place.
    constexpr Axis shifted(int offset) const { return {first + offset, pitch}; }
};
// The edge of row (or column) n at its place in `view`; none while out of view.
std::optional<int> placeInView(int n, const Span& view, const Axis& axis);

// Where an element of a scrolled view goes; none while it is out of view.
using Place = std::optional<QPoint>;
Place place(std::optional<int> x, std::optional<int> y);

// The columns and rows of a grid in view.
struct View {
    Span columns, rows;
};
// The view of `columnCount` columns of which `fitColumns` fit and `rowCount` rows of which
// `fitRows` fit, with the scroll bars at `columnValue` and `rowValue`.
View view(int fitColumns, int columnCount, int fitRows, int rowCount, int columnValue,
          int rowValue);

// A grid line from (x1, y1) to (x2, y2).
struct Line {
    int x1, y1, x2, y2;
};
// `count` vertical lines at the places of `xs`, from `top` down to `bottom`.
QVector<Line> linesDown(int count, const Axis& xs, int top, int bottom);
// `count` horizontal lines at the places of `ys`, from `left` across to `right`.
QVector<Line> linesAcross(int count, const Axis& ys, int left, int right);

// The designed places of a grid screen: the cells of the columns and rows in view, the column
// headings above them, the row labels left of them and the lines between them.
struct Layout {
    Axis columns, rows;
    int headingShift; // a column heading's left edge from its column's
    int headingTop;   // the column lines start here too
    int labelLeft;    // the row labels; the row lines start here too
    Axis columnLines, rowLines;

    // The first places of the view, where a grid's elements are made.
    QPoint firstHeading() const { return {columns.first + headingShift, headingTop}; }
    QPoint firstLabel() const { return {labelLeft, rows.first}; }
    QPoint firstCell() const { return {columns.first, rows.first}; }
};
// Where `view` puts the heading of column c, the label of row r and the cell of row r and
// column c; none while out of view.
Place headingPlace(const Layout& layout, int column, const View& view);
Place rowLabelPlace(const Layout& layout, int row, const View& view);
Place cellPlace(const Layout& layout, int row, int column, const View& view);
// Where the lines of `columns` columns and `rows` rows in view end: where the line after the
// last column or row would run.
int linesRight(const Layout& layout, int columns);
int linesBottom(const Layout& layout, int rows);
// `count` column lines from the headings down to `bottom`, and `count` row lines from the
// row labels across to `right`.
QVector<Line> columnLines(const Layout& layout, int count, int bottom);
QVector<Line> rowLines(const Layout& layout, int count, int right);

} // namespace GridGeometry
