#include "reports/ReportPainter.h"

#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace ReportPainter {

void paint(QPainter& painter, const Report::Page& page, double dpi) {
    const double scale = dpi / 1440.0; // device dots a twip
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
        painter.drawText(dots(p.rect),
                         Qt::AlignTop | (p.centred ? Qt::AlignHCenter : Qt::AlignLeft) |
                             Qt::TextSingleLine,
                         p.text);
    }
    painter.restore();
}

void print(QPrinter& printer, const QVector<Report::Page>& pages) {
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    QPainter painter(&printer);
    for (int n = 0; n < pages.size(); ++n) {
        if (n > 0)
            printer.newPage();
        paint(painter, pages.at(n), printer.resolution());
    }
}

bool writePdf(const QVector<Report::Page>& pages, const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    {
        QPdfWriter pdf(&file);
        pdf.setPageSize(QPageSize(QPageSize::Letter));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(1200);
        pdf.setCreator(QStringLiteral("ColtsTracker"));
        QPainter painter(&pdf);
        for (int n = 0; n < pages.size(); ++n) {
            if (n > 0)
                pdf.newPage();
            paint(painter, pages.at(n), pdf.resolution());
        }
    }
    if (file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return false;
    }
    file.close();
    return true;
}

} // namespace ReportPainter
