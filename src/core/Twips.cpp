#include "core/Twips.h"

#include <cmath>

namespace Twips {

int toPixels(double twips) {
    return static_cast<int>(std::lround(twips / kPerPixel));
}

qint32 fromPixels(int pixels) {
    return static_cast<qint32>(pixels) * kPerPixel;
}

QRect rect(int left, int top, int width, int height) {
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

QPointF centredOrigin(qint32 screenWidth, qint32 screenHeight, qint32 windowWidth,
                      qint32 windowHeight) {
    return QPointF((double(screenWidth) - windowWidth) / 2.0,
                   (double(screenHeight) - windowHeight) / 2.0);
}

bool screenLargeEnough(qint32 widthTwips, qint32 heightTwips) {
    return widthTwips >= 12000 && heightTwips >= 9000;
}

} // namespace Twips
