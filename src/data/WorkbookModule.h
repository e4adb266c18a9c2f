#pragma once

#include "data/Sheet.h"
#include "data/SheetFile.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The spreadsheet libraries (liborcus, which reads workbooks, and libxlsxwriter, which writes
// them) are loaded with a module of the program's own the first time a workbook is read or
// written, so that a start of the program does not load them and their dependencies.
namespace WorkbookModule {

// Changes whenever Functions changes, so that a module of another build is refused.
inline constexpr int kInterface = 2;

// The module's file name, beside the program (and in the build folder, for the tests).
inline const QString kFileName = QStringLiteral("libcoltstracker-workbooks.so");

struct Functions {
    int interface;
    // Reads the workbook at `path`, an OpenDocument spreadsheet when `openDocument`, else an
    // Excel workbook, into `sheets`; the library's reason when it cannot.
    QString (*read)(const QString& path, bool openDocument, QVector<SheetFile::Sheet>* sheets);
    // Writes `sheets` as an Excel workbook at `path`; the library's reason when it cannot,
    // with the system's error number in `systemError`.
    QString (*write)(const QString& path, const QVector<Sheet>& sheets, int* systemError);
};

// The module's functions, loaded on the first call; null, with `failure` saying why, when the
// module cannot be loaded.
const Functions* load(QString* failure);

} // namespace WorkbookModule

// What the module exports: its functions.
extern "C" const WorkbookModule::Functions* coltstracker_workbook_functions();
