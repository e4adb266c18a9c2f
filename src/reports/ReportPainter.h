#pragma once

#include "data/WholeFile.h"
#include "reports/ReportLayout.h"

class QPainter;
class QPrinter;

// The report engine's second step: laid-out pages drawn on any painter, with fonts in points
// at the device's own resolution.
namespace ReportPainter {

// Draws `page` of a report of `pageCount` pages on `painter`, whose device shows a whole Letter
// page from its top left corner at `dpi` dots an inch (the painter may scale it further).
// While the count is not known (0), the items that show it are left empty.
void paint(QPainter& painter, const Report::Page& page, int pageCount, double dpi);

// Every page on a printer (or the preview's printer), one sheet a page of the printer's paper,
// the Letter page scaled down where that paper is smaller; false when the printer could not be
// started or reported an error.
bool print(QPrinter& printer, const QVector<Report::Page>& pages);

// Writes the pages as a PDF file titled `title`, whole or not at all.
Outcome writePdf(const QVector<Report::Page>& pages, const QString& path,
                 const QString& title = {});

} // namespace ReportPainter
