#include "reports/ReportPainter.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>

namespace ReportPainter {

void paint(QPainter& painter, const Report::Page& page, int pageCount, double dpi) {
    const double scale = dpi / Twips::kPerInch; // device dots a twip
    const auto dots = [scale](const QRect& r) {
        return QRectF(r.left() * scale, r.top() * scale, r.width() * scale, r.height() * scale);
    };
    painter.save();
    painter.setPen(QPen(Qt::black, std::max(1.0, dpi / 96.0)));
    for (const Report::Placed& p : page) {
        if (p.line) {
            const QRectF r = dots(p.rect);
            painter.drawLine(r.topLeft(), r.topRight());
            continue;
        }
        QFont font(p.font.family);
        font.setPointSizeF(p.font.points);
        font.setBold(p.font.bold);
        painter.setFont(QFont(font, painter.device()));
        // Never clipped to its box, which may be lower than the font's line (12 pt in 240
        // twips): the text keeps its top, and its descenders show below the box. The layout has
        // already made the box as wide as the text or shortened the text to the room there is.
        painter.drawText(dots(p.rect),
                         Qt::AlignTop | (p.centred ? Qt::AlignHCenter : Qt::AlignLeft) |
                             Qt::TextSingleLine | Qt::TextDontClip,
                         Report::shownText(p, pageCount));
    }
    painter.restore();
}

bool print(QPrinter& printer, const QVector<Report::Page>& pages) {
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The paper chosen in the print dialog stays; a Letter page shrinks to fit A4.
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const double dpi = printer.resolution();
    const double fit = std::min({1.0, paper.width() / (Report::kPageWidthInches * dpi),
                                 paper.height() / (Report::kPageHeightInches * dpi)});
    painter.scale(fit, fit);
    for (int n = 0; n < pages.size(); ++n) {
        if (n > 0 && !printer.newPage())
            break;
        paint(painter, pages.at(n), int(pages.size()), dpi);
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

Outcome writePdf(const QVector<Report::Page>& pages, const QString& path, const QString& title) {
    // Drawn in memory first: a PDF is written out only once it is complete.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::Letter));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(1200);
        pdf.setCreator(QStringLiteral("ColtsTracker"));
        pdf.setTitle(title);
        QPainter painter;
        if (!painter.begin(&pdf))
            return {QStringLiteral("the PDF could not be drawn")};
        for (int n = 0; n < pages.size(); ++n) {
            if (n > 0)
                pdf.newPage();
            paint(painter, pages.at(n), int(pages.size()), pdf.resolution());
        }
        if (!painter.end())
            return {QStringLiteral("the PDF could not be drawn")};
    }
    return WholeFile::write(path, buffer.data());
}

} // namespace ReportPainter
