#pragma once

#include "data/Outcome.h"

#include <QStringList>
#include <QVariant>
#include <QVector>

// Workbooks of one sheet (.xlsx), written whole as WholeFile writes. A value held as text is a
// text cell, so that a spreadsheet program keeps rider number "007", a zip code or a phone
// number as typed; numbers are number cells; the headings are bold.
namespace Spreadsheet {

// Writes `headings` and under them `rows` to the sheet `sheet` of the workbook at `path`; a
// failure says why.
Outcome write(const QString& path, const QString& sheet, const QStringList& headings,
              const QVector<QVariantList>& rows);

} // namespace Spreadsheet
