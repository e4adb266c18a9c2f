#include "rings/RingLayout.h"

#include <algorithm>

namespace RingLayout {

namespace {
constexpr int kColumnSpacing = 600;
constexpr int kOptionWidth = 255;
constexpr GridGeometry::Axis kFramesAt = kRowsAt.shifted(-kFrameAbove);
} // namespace

int extraWidth(int rings) {
    return std::max(0, rings - 3) * kColumnSpacing;
}

Form form(int rings) {
    const int extra = extraWidth(rings);
    return {5625 + extra, 5055 + extra, 5280 + extra, 240 + extra / 2, 3120 + extra / 2};
}

int ringHeadingLeft(int rings) {
    return 3360 + (rings - 1) * 290;
}

int ringColumnLeft(int ring) {
    return 3480 + (ring - 1) * kColumnSpacing;
}

int frameWidth(int rings) {
    return (rings - 1) * kColumnSpacing + 200 + kOptionWidth;
}

int optionLeft(int ring) {
    return 100 + (ring - 1) * kColumnSpacing;
}

int optionIndex(int row, int ring, int rings) {
    return (row - 1) * rings + ring;
}

View view(int teamCount, int scrollValue) {
    const int first = std::clamp(scrollValue, 0, scrollMaximum(teamCount)) + 1;
    return {first, std::min(teamCount, first + kRowsInView - 1)};
}

int scrollMaximum(int teamCount) {
    return std::max(0, teamCount - kRowsInView);
}

QPoint labelAt(int place) {
    return {kLabelLeft, kRowsAt.at(place)};
}

QPoint frameAt(int place) {
    return {kFrameLeft, kFramesAt.at(place)};
}

GridGeometry::Place labelPlace(int row, const View& view) {
    return GridGeometry::place(kLabelLeft, GridGeometry::placeInView(row, view, kRowsAt));
}

GridGeometry::Place framePlace(int row, const View& view) {
    return GridGeometry::place(kFrameLeft, GridGeometry::placeInView(row, view, kFramesAt));
}

} // namespace RingLayout
