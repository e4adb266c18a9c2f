#include "core/ClassHeading.h"

#include "core/AppState.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace ClassHeading {

QImage draw(const QString& text) {
    QImage image(kWidthPixels, kHeightPixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setPen(Qt::black);
    p.translate(0, kHeightPixels);
    p.rotate(-90);
    const QRect box(3, 0, kHeightPixels - 6, kWidthPixels); // rotated: width runs up
    for (int pixels = 12; pixels >= 6; --pixels) {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(pixels);
        font.setBold(true);
        const QFontMetrics fm(font);
        const QRect needed = fm.boundingRect(box, Qt::AlignCenter | Qt::TextWordWrap, text);
        if (needed.width() <= box.width() && needed.height() <= box.height()) {
            p.setFont(font);
            p.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, text);
            break;
        }
    }
    return image;
}

QImage load(const QString& fileName, const QString& text) {
    QImage picture;
    if (!fileName.isEmpty() && picture.load(AppState::labelFile(fileName)) && !picture.isNull())
        return picture;
    return draw(text);
}

} // namespace ClassHeading
