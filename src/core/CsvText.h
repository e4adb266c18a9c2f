#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// Text files of rows as spreadsheet programs save them: comma or semicolon separated values.
namespace CsvText {

// The text of a file: UTF-8 with or without a byte order mark, else Windows-1252 (what a
// spreadsheet program on Windows saves as "CSV").
QString decode(const QByteArray& bytes);

// The rows of `text`: fields separated by commas, or by semicolons where the first line has
// more of them; a field in double quotes may hold separators, line breaks and doubled quotes.
// Line ends may be CRLF, LF or CR.
QVector<QStringList> parse(const QString& text);

// `rows` as a file spreadsheet programs read: UTF-8 with a byte order mark, fields separated by
// commas, a field quoted where it holds a separator, a quote, a line break or spaces at its
// ends, and every line ended by CRLF.
QByteArray encode(const QVector<QStringList>& rows);

} // namespace CsvText
