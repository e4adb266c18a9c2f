#include "rings/RingLayout.h"

#include <algorithm>

namespace RingLayout {

namespace {
constexpr int kColumnSpacing = 600;
constexpr int kOptionWidth = 255;
} // namespace

int extraWidth(int rings) {
    return std::max(0, rings - 3) * kColumnSpacing;
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

int rowTop(int positionInView) {
    return 1000 + 400 * positionInView;
}

View view(int teamCount, int scrollValue) {
    const int first = std::clamp(scrollValue, 0, scrollMaximum(teamCount)) + 1;
    return {first, std::min(teamCount, first + kRowsInView - 1)};
}

int scrollMaximum(int teamCount) {
    return std::max(0, teamCount - kRowsInView);
}

} // namespace RingLayout
