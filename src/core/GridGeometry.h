#pragma once

#include <QPoint>
#include <QVector>
#include <optional>

// What the grid screens share in their geometry, in twips: the scroll bars of the two grids
// given by the window's outer size, the rows and columns a scroll brings into view, where the
// places of a grid lie and its lines.
namespace GridGeometry {

inline constexpr int kScrollBarSize = 255;

// Whole number nearest to x, halves to the even neighbour (13.5 gives 14, 12.5 gives 12).
int roundHalfEven(double x);

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

// A grid line from (x1, y1) to (x2, y2).
struct Line {
    int x1, y1, x2, y2;
};
// `count` vertical lines at the places of `xs`, from `top` down to `bottom`.
QVector<Line> linesDown(int count, const Axis& xs, int top, int bottom);
// `count` horizontal lines at the places of `ys`, from `left` across to `right`.
QVector<Line> linesAcross(int count, const Axis& ys, int left, int right);

} // namespace GridGeometry
