#include "data/WorkbookModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace WorkbookModule {

const Functions* load(QString* failure) {
    // Loaded once and kept for the life of the program; a module that failed is tried again.
    static const Functions* loaded = nullptr;
    if (loaded)
        return loaded;
    // Beside the program when it is installed; in the build folder for the tests and tools
    // there, and only for them, so that an installed program never loads another build's.
    const QString programFolder = QDir(QCoreApplication::applicationDirPath()).canonicalPath();
    const QString buildFolder = QDir(QStringLiteral(COLTS_WORKBOOK_MODULE_DIR)).canonicalPath();
    QStringList folders{programFolder};
    if (!buildFolder.isEmpty() &&
        (programFolder == buildFolder || programFolder.startsWith(buildFolder + QLatin1Char('/'))))
        folders << buildFolder;
    QString reason;
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(kFileName);
        if (!QFile::exists(path))
            continue;
        QLibrary module(path);
        const auto entry = reinterpret_cast<decltype(&coltstracker_workbook_functions)>(
            module.resolve("coltstracker_workbook_functions"));
        if (!entry) {
            reason = module.errorString();
            continue;
        }
        const Functions* functions = entry();
        if (functions->interface != kInterface) {
            reason = QStringLiteral("\"%1\" belongs to another version of ColtsTracker").arg(path);
            continue;
        }
        loaded = functions;
        return loaded;
    }
    *failure =
        QStringLiteral("ColtsTracker's part that reads and writes spreadsheets (%1) %2; "
                       "install the program again")
            .arg(kFileName, reason.isEmpty() ? QStringLiteral("is missing")
                                             : QStringLiteral("cannot be loaded: ") + reason);
    return nullptr;
}

} // namespace WorkbookModule
