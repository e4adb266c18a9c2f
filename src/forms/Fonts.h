#pragma once

#include <QFont>
#include <QString>

class QWidget;

// The one place that maps the classic fonts onto the installed ones.
namespace Fonts {

// "MS Sans Serif" and "Arial" are drawn with Liberation Sans; the application font becomes
// MS Sans Serif 8.25 pt.
void install();

// A classic font at a point size designed for 96 dots an inch (15 twips a pixel).
QFont classic(double points, bool bold = false,
              const QString& family = QStringLiteral("MS Sans Serif"));

// Narrows the font of each label, button and check box below `root` whose caption would be
// clipped in its box, so that the stand-in font fits the classic layout unchanged.
void fitCaptions(QWidget* root);
// The same for one control (one made after its screen was first shown).
void fitCaption(QWidget* control);

} // namespace Fonts
