#include "core/GridGeometry.h"

#include <cmath>

namespace GridGeometry {

int roundHalfEven(double x) {
    return int(std::nearbyint(x)); // the default rounding mode sends halves to even
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

} // namespace GridGeometry
