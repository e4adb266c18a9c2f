// coltstracker-labels FOLDER: draws FOLDER/LabelFiles/<imagepath> for every delivered class
// (the class name as a vertical heading, 375 x 1575 twips) and RelayPartner.bmp.
#include "app/ClassHeading.h"
#include "data/DeliveredClasses.h"

#include <QDir>
#include <QGuiApplication>
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
    for (const DeliveredClass& c : deliveredClasses())
        files.push_back({c.imagepath, c.ClassName});
    files.push_back({kRelayPartnerImage, QStringLiteral("Relay Partner")});
    for (const auto& [file, text] : files) {
        if (!ClassHeading::draw(text).save(folder.filePath(file), "BMP")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(folder.filePath(file)));
            return 1;
        }
    }
    std::printf("Drew %d class headings in %s\n", int(files.size()), qPrintable(folder.path()));
    return 0;
}
