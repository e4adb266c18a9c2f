#include "data/Spreadsheet.h"

#include "data/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <xlsxwriter.h>

namespace {

bool isNumber(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

// Why the library failed: the system's reason where it gave one in plain words, else its own.
QString failure(lxw_error error) {
    switch (errno) {
    case ENOSPC:
    case EDQUOT:
    case EROFS:
    case EACCES:
    case EPERM:
        return WholeFile::reason(errno);
    default:
        return QString::fromUtf8(lxw_strerror(error));
    }
}

} // namespace

namespace Spreadsheet {

Outcome writeWorkbook(const QString& path, const QVector<Sheet>& sheets) {
    // The library writes only to a named file: a scratch file beside the target, which goes
    // when this returns, read back and written whole.
    QTemporaryFile scratch(QFileInfo(path).absoluteDir().filePath(QStringLiteral(".xlsx-XXXXXX")));
    errno = 0;
    if (!scratch.open())
        return {WholeFile::reason(errno ? errno : EACCES)};
    scratch.close();
    lxw_workbook* book = workbook_new(QFile::encodeName(scratch.fileName()).constData());
    if (!book)
        return {failure(LXW_ERROR_CREATING_XLSX_FILE)};
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_error error = LXW_NO_ERROR;
    const auto keep = [&error](lxw_error e) {
        if (error == LXW_NO_ERROR)
            error = e;
    };
    for (const Sheet& sheet : sheets) {
        const QByteArray name = sheet.name.toUtf8();
        // A name the library refuses (too long, a character it forbids, used twice) says so.
        keep(workbook_validate_sheet_name(book, name.constData()));
        lxw_worksheet* cells = workbook_add_worksheet(book, name.constData());
        if (!cells) {
            keep(LXW_ERROR_MEMORY_MALLOC_FAILED);
            break;
        }
        for (int c = 0; c < sheet.headings.size(); ++c)
            keep(worksheet_write_string(cells, 0, lxw_col_t(c),
                                        sheet.headings.at(c).toUtf8().constData(), bold));
        for (int r = 0; r < sheet.rows.size(); ++r) {
            const QVariantList& row = sheet.rows.at(r);
            for (int c = 0; c < row.size(); ++c) {
                const QVariant& value = row.at(c);
                if (value.isNull())
                    continue;
                if (isNumber(value))
                    keep(worksheet_write_number(cells, lxw_row_t(r + 1), lxw_col_t(c),
                                                value.toDouble(), nullptr));
                else
                    keep(worksheet_write_string(cells, lxw_row_t(r + 1), lxw_col_t(c),
                                                value.toString().toUtf8().constData(), nullptr));
            }
        }
    }
    errno = 0;
    keep(workbook_close(book));
    if (error != LXW_NO_ERROR)
        return {failure(error)};
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
