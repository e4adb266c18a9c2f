#pragma once

#include <QImage>
#include <QString>

// The heading above a class column: the class name drawn as a vertical heading, 375 x 1575
// twips. The delivered pictures in LabelFiles are drawn with it, and the screens draw it in
// place of a picture that is missing or cannot be read.
namespace ClassHeading {

inline constexpr int kWidthPixels = 375 / 15;
inline constexpr int kHeightPixels = 1575 / 15;

// The heading for `text`, reading bottom to top; a long name takes two lines.
QImage draw(const QString& text);

// The picture `fileName` of the LabelFiles folder, or the drawn heading for `text` where the
// picture is missing or cannot be read.
QImage load(const QString& fileName, const QString& text);

} // namespace ClassHeading
