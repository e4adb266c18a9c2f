// coltstracker-labels FOLDER: draws FOLDER/LabelFiles/<imagepath> for every delivered class
// (the class name as a vertical heading, 375 x 1575 twips), RelayPartner.bmp, and the
// program's icon FOLDER/coltstracker.png.
#include "core/ClassHeading.h"
#include "data/DeliveredClasses.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QPolygonF>
#include <cstdio>

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
    for (const ClassTable::Class& c : deliveredClasses())
        files.push_back({c.imagepath, c.ClassName});
    files.push_back({kRelayPartnerImage, QStringLiteral("Relay Partner")});
    for (const auto& [file, text] : files) {
        if (!ClassHeading::draw(text).save(folder.filePath(file), "BMP")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(folder.filePath(file)));
            return 1;
        }
    }
    // The program's icon: a blue rosette with a ribbon, as ribbons are won at a meet.
    QImage icon(128, 128, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    {
        QPainter p(&icon);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1f, 0x4e, 0x9c));
        p.drawPolygon(QPolygonF({QPointF(40, 60), QPointF(60, 66), QPointF(46, 124),
                                 QPointF(36, 110), QPointF(24, 116)}));
        p.drawPolygon(QPolygonF({QPointF(88, 60), QPointF(68, 66), QPointF(82, 124),
                                 QPointF(92, 110), QPointF(104, 116)}));
        for (int k = 0; k < 16; ++k) { // the pleated edge
            p.save();
            p.translate(64, 52);
            p.rotate(k * 22.5);
            p.drawEllipse(QPointF(0, -38), 10, 10);
            p.restore();
        }
        p.setBrush(QColor(0xf2, 0xc2, 0x1b));
        p.drawEllipse(QPointF(64, 52), 34, 34);
        p.setBrush(QColor(0x1f, 0x4e, 0x9c));
        p.drawEllipse(QPointF(64, 52), 26, 26);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(26);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(38, 26, 52, 52), Qt::AlignCenter, QStringLiteral("CT"));
    }
    const QString iconPath = QDir(args.at(1)).filePath(QStringLiteral("coltstracker.png"));
    if (!icon.save(iconPath, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(iconPath));
        return 1;
    }
    std::printf("Drew %d class headings in %s and the icon\n", int(files.size()),
                qPrintable(folder.path()));
    return 0;
}
