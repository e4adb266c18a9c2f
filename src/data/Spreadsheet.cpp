#include "data/Spreadsheet.h"

#include "data/WholeFile.h"
#include "data/WorkbookModule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>

namespace Spreadsheet {

Outcome writeWorkbook(const QString& path, const QVector<Sheet>& sheets) {
    // The library writes only to a named file: a scratch file beside the target, which goes
    // when this returns, read back and written whole.
    QTemporaryFile scratch(QFileInfo(path).absoluteDir().filePath(QStringLiteral(".xlsx-XXXXXX")));
    errno = 0;
    if (!scratch.open())
        return {WholeFile::reason(errno ? errno : EACCES)};
    scratch.close();
    QString failure;
    const WorkbookModule::Functions* module = WorkbookModule::load(&failure);
    if (!module)
        return {failure};
    int systemError = 0;
    failure = module->write(scratch.fileName(), sheets, &systemError);
    if (!failure.isEmpty()) {
        // The system's reason where it gave one in plain words, else the library's own.
        switch (systemError) {
        case ENOSPC:
        case EDQUOT:
        case EROFS:
        case EACCES:
        case EPERM:
            return {WholeFile::reason(systemError)};
        default:
            return {failure};
        }
    }
    QFile written(scratch.fileName());
    if (!written.open(QIODevice::ReadOnly))
        return {WholeFile::reason(errno ? errno : EIO)};
    const QByteArray bytes = written.readAll();
    if (written.error() != QFileDevice::NoError)
        return {written.errorString()};
    return WholeFile::write(path, bytes);
}

Outcome write(const QString& path, const QString& sheet, const QStringList& headings,
              const QVector<QVariantList>& rows) {
    return writeWorkbook(path, {Sheet{sheet, headings, rows}});
}

} // namespace Spreadsheet
