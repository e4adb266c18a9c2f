#pragma once

#include "data/Outcome.h"
#include "data/Sheet.h"

// Workbooks (.xlsx), written whole as WholeFile writes. A value held as text is a
// text cell, so that a spreadsheet program keeps rider number "007", a zip code or a phone
// number as typed; numbers are number cells; the headings are bold.
namespace Spreadsheet {

// Writes `sheets` in their order, each with its headings and under them its rows, to the
// workbook at `path`; a failure says why.
Outcome writeWorkbook(const QString& path, const QVector<Sheet>& sheets);

// Writes a workbook of one sheet, named `sheet`: `headings` and under them `rows`.
Outcome write(const QString& path, const QString& sheet, const QStringList& headings,
              const QVector<QVariantList>& rows);

} // namespace Spreadsheet
