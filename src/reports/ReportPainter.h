#pragma once

#include "reports/ReportLayout.h"

class QPainter;
class QPrinter;

// The report engine's second step: laid-out pages drawn on any painter, with fonts in points
// at the device's own resolution.
namespace ReportPainter {

// Draws `page` on `painter`, whose device shows a whole Letter page from its top left corner
// at `dpi` dots an inch.
void paint(QPainter& painter, const Report::Page& page, double dpi);

// Every page on a printer (or the preview's printer), one sheet a page.
void print(QPrinter& printer, const QVector<Report::Page>& pages);

// Writes the pages as a PDF file; false with the reason when it cannot be written.
bool writePdf(const QVector<Report::Page>& pages, const QString& path, QString* error);

} // namespace ReportPainter
