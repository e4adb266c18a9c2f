// coltstracker-makedb FOLDER: writes the delivered VORNColts.mdb into FOLDER unless a
// database is already there (then it says so and leaves the file alone).
#include "data/DatabaseFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: coltstracker-makedb PROGRAM_FOLDER\n");
        return 2;
    }
    const QString folder = args.at(1);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot make the folder %s\n", qPrintable(folder));
        return 1;
    }
    const QString path = QDir(folder).filePath(DatabaseFile::kFileName);
    if (QFileInfo::exists(path)) {
        std::printf("Keeping the database already at %s\n", qPrintable(path));
        return 0;
    }
    const Outcome written = DatabaseFile::createDelivered(path);
    if (!written.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(written.failure));
        return 1;
    }
    std::printf("Wrote the delivered database %s\n", qPrintable(path));
    return 0;
}
