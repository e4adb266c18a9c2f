#pragma once

// What the two grid screens (the class entry grid and the point standings) share in their
// geometry, in twips from the window's outer size.
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

} // namespace GridGeometry
