#include "forms/Fonts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>
#include <cmath>

namespace {

constexpr int kNarrowest = 62; // percent

bool fitsLabel(const QFont& font, const QLabel* label) {
    const QFontMetrics fm(font);
    const QRect box = label->contentsRect();
    const QString text = label->text();
    // One line that fits across fits: a box a little lower than the font only trims the
    // descenders, which narrowing would not mend.
    if (fm.horizontalAdvance(text) <= box.width() || !label->wordWrap())
        return fm.horizontalAdvance(text) <= box.width();
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (fm.horizontalAdvance(word) > box.width())
            return false;
    }
    const QRect needed = fm.boundingRect(QRect(0, 0, box.width(), 10000), Qt::TextWordWrap, text);
    return needed.height() <= box.height() || needed.height() <= fm.height();
}

bool fitsButton(const QFont& font, const QAbstractButton* button) {
    const QFontMetrics fm(font);
    QString text = button->text();
    text.remove(QLatin1Char('&'));
    // Room the style keeps free around a push button's caption.
    const int margin = 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin) + 4;
    int available = button->width() - margin;
    const bool pushButton = !button->inherits("QCheckBox") && !button->inherits("QRadioButton");
    if (!pushButton)
        available = button->width() - 22; // indicator and its gap
    else if (!button->icon().isNull())
        available -= button->iconSize().width() + 4;
    if (fm.horizontalAdvance(text) <= available)
        return true;
    // A push button's caption may wrap at its spaces onto more lines, where it has the room.
    if (!pushButton || !button->icon().isNull())
        return false;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (fm.horizontalAdvance(word) > available)
            return false;
    }
    const QRect needed = fm.boundingRect(QRect(0, 0, available, 10000), Qt::TextWordWrap, text);
    return needed.height() <= button->height() - margin;
}

template <typename Widget, typename Fits> void narrow(Widget* w, Fits fits) {
    QFont font = w->font();
    font.setStretch(QFont::Unstretched);
    int stretch = 100;
    while (!fits(font, w) && stretch > kNarrowest) {
        stretch -= 2;
        font.setStretch(stretch);
    }
    if (stretch != 100)
        w->setFont(font);
}

} // namespace

namespace Fonts {

void install() {
    const QString standIn = QStringLiteral("Liberation Sans");
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), standIn);
    QFont::insertSubstitution(QStringLiteral("Arial"), standIn);
    QApplication::setFont(classic(8.25));
}

QFont classic(double points, bool bold, const QString& family) {
    QFont font(family);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

void fitCaption(QWidget* control) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
        if (!label->text().isEmpty() && label->pixmap().isNull())
            narrow(label, fitsLabel);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        if (!button->text().isEmpty())
            narrow(button, fitsButton);
    }
}

void fitCaptions(QWidget* root) {
    for (QWidget* control : root->findChildren<QWidget*>())
        fitCaption(control);
}

} // namespace Fonts
