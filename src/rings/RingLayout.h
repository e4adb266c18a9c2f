#pragma once

#include "core/DistrictSettings.h"
#include "core/GridGeometry.h"

#include <QtGlobal>

// Where the ring assignment form puts its rows and ring columns, in twips: pure rules of the
// form's layout for any ring count from 1 to kMaxRings.
namespace RingLayout {

inline constexpr int kMaxRings = DistrictSettings::kMaxRings;
// Team rows in view at once.
inline constexpr int kRowsInView = 15;

// How much wider the form is for the rings beyond the three it was designed for.
int extraWidth(int rings);
// The form's width and the places of its controls that follow the ring columns: the frame
// around the rows, the scroll bar right of it and the two buttons centred under it.
struct Form {
    int width, shapeWidth, scrollLeft, submitLeft, cancelLeft;
};
Form form(int rings);
// Left edge of the "Ring" heading: centred over the ring columns.
int ringHeadingLeft(int rings);
// Left edge of the heading of ring r (1-based).
int ringColumnLeft(int ring);
// Width of a row's frame that holds its option buttons.
int frameWidth(int rings);
// Left edge of the button of ring r inside its row's frame.
int optionLeft(int ring);
// Number of the option button of team row i (1-based) and ring r.
int optionIndex(int row, int ring, int rings);
// The places of the team rows in view: a label's top, 400 apart.
inline constexpr GridGeometry::Axis kRowsAt{1000, 400};
inline constexpr int kLabelLeft = 300;
inline constexpr int kFrameLeft = 3400;
// A row's frame sits this much higher than its label, so that its buttons line up with it.
inline constexpr int kFrameAbove = 130;

// The team rows in view (1-based, inclusive) when the scroll bar shows `scrollValue`.
using View = GridGeometry::Span;
View view(int teamCount, int scrollValue);
// Largest value of the scroll bar, or 0 when every row is in view.
int scrollMaximum(int teamCount);

// Where a row's label and frame sit at the k-th place of the view (from 1); the rows beyond
// the first view are built hidden at its last place.
QPoint labelAt(int place);
QPoint frameAt(int place);
// Where `view` puts the label and the frame of team row i; none while out of view.
GridGeometry::Place labelPlace(int row, const View& view);
GridGeometry::Place framePlace(int row, const View& view);

} // namespace RingLayout
