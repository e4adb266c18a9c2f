#pragma once

#include <QPointF>
#include <QRect>
#include <QSize>

// Positions and sizes are designed in twips; the screen shows 15 twips a pixel.
namespace Twips {

inline constexpr int kPerPixel = 15;
inline constexpr double kPerInch = 1440.0;

int toPixels(double twips);
qint32 fromPixels(int pixels);
QRect rect(int left, int top, int width, int height);

// Top-left corner, in twips, that centres a window of the given size on the screen.
// Exact division: a window larger than the screen gets a negative position.
QPointF centredOrigin(qint32 screenWidth, qint32 screenHeight, qint32 windowWidth,
                      qint32 windowHeight);

// The smallest screen the program runs on: 12000 x 9000 twips (800 x 600 pixels).
bool screenLargeEnough(qint32 widthTwips, qint32 heightTwips);

} // namespace Twips
