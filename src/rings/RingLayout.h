#pragma once

#include "core/DistrictSettings.h"

#include <QtGlobal>

// Where the ring assignment form puts its rows and ring columns, in twips: pure rules of the
// form's layout for any ring count from 1 to kMaxRings.
namespace RingLayout {

inline constexpr int kMaxRings = DistrictSettings::kMaxRings;
// Team rows in view at once.
inline constexpr int kRowsInView = 15;

// How much wider the form is for the rings beyond the three it was designed for.
int extraWidth(int rings);
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
// Top of the team label of the k-th row in view (k from 0); its frame is 130 twips higher.
int rowTop(int positionInView);

// The team rows in view (1-based, inclusive) when the scroll bar shows `scrollValue`.
struct View {
    int first;
    int last;
};
View view(int teamCount, int scrollValue);
// Largest value of the scroll bar, or 0 when every row is in view.
int scrollMaximum(int teamCount);

} // namespace RingLayout
