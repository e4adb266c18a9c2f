// coltstracker-labels FOLDER: draws FOLDER/LabelFiles/<imagepath> for every delivered class
// (the class name as a vertical heading, 375 x 1575 twips) and RelayPartner.bmp.
#include "data/DeliveredClasses.h"

#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

namespace {

constexpr int kWidth = 375 / 15;   // pixels across
constexpr int kHeight = 1575 / 15; // pixels down

// The heading reads bottom to top; a long name takes two lines and a smaller size.
QImage heading(const QString& text) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setPen(Qt::black);
    p.translate(0, kHeight);
    p.rotate(-90);
    const QRect box(3, 0, kHeight - 6, kWidth); // rotated: width runs up the bitmap
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

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: coltstracker-labels PROGRAM_FOLDER\n");
        return 2;
    }
    QDir folder(args.at(1));
    if (!folder.mkpath(QStringLiteral("LabelFiles"))) {
        std::fprintf(stderr, "cannot make %s/LabelFiles\n", qPrintable(args.at(1)));
        return 1;
    }
    folder.cd(QStringLiteral("LabelFiles"));
    QVector<std::pair<QString, QString>> files;
    for (const DeliveredClass& c : deliveredClasses())
        files.push_back({c.imagepath, c.ClassName});
    files.push_back({kRelayPartnerImage, QStringLiteral("Relay Partner")});
    for (const auto& [file, text] : files) {
        if (!heading(text).save(folder.filePath(file), "BMP")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(folder.filePath(file)));
            return 1;
        }
    }
    std::printf("Drew %d class headings in %s\n", int(files.size()), qPrintable(folder.path()));
    return 0;
}
