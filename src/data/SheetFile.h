#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Reads the cells of the files coaches and registration systems send rosters in: CSV, Excel
// workbooks (.xlsx) and OpenDocument spreadsheets (.ods). Every cell comes back as the text it
// shows: text as it is ("007" stays "007"), a whole number without a decimal point.
namespace SheetFile {

struct Sheet {
    QString name;
    QVector<QStringList> rows; // row by row from the first; an empty cell is an empty text
};

struct Read {
    QVector<Sheet> sheets; // in the workbook's order; a CSV file is one sheet
    QString failure;       // why the file cannot be read; empty when it was read
};

Read read(const QString& path);

} // namespace SheetFile
