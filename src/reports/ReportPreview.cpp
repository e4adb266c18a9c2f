#include "reports/ReportPreview.h"

#include "reports/ReportPainter.h"

#include <QEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtMath>
#include <algorithm>

namespace {

// The grey around the page, and the room it leaves on each side.
const QColor kBackground(160, 160, 164);
constexpr int kRoom = 32;
constexpr qreal kLeastZoom = 0.1;
constexpr qreal kMostZoom = 8.0;

} // namespace

ReportPreview::ReportPreview(QWidget* parent) : QScrollArea(parent), m_canvas(new QWidget) {
    QPalette grey = palette();
    grey.setColor(QPalette::Window, kBackground);
    viewport()->setPalette(grey);
    viewport()->setAutoFillBackground(true);
    m_canvas->setPalette(grey);
    m_canvas->setAutoFillBackground(true);
    m_canvas->installEventFilter(this);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setWidget(m_canvas);
    resizeCanvas();
}

void ReportPreview::setPages(const QVector<Report::Page>* pages, int pageCount) {
    m_pages = pages;
    m_pageCount = pageCount;
    m_current = std::clamp(m_current, 1, std::max(1, available()));
    m_canvas->update();
}

int ReportPreview::available() const {
    return m_pages ? int(m_pages->size()) : 0;
}

void ReportPreview::setCurrentPage(int page) {
    page = std::clamp(page, 1, std::max(1, available()));
    if (page == m_current)
        return;
    m_current = page;
    verticalScrollBar()->setValue(0);
    m_canvas->update();
}

void ReportPreview::setZoomFactor(qreal zoom) {
    m_mode = ZoomMode::Custom;
    m_zoom = std::clamp(zoom, kLeastZoom, kMostZoom);
    resizeCanvas();
}

void ReportPreview::zoomIn(qreal step) {
    setZoomFactor(m_zoom * step);
}

void ReportPreview::zoomOut(qreal step) {
    setZoomFactor(m_zoom / step);
}

void ReportPreview::fitToWidth() {
    m_mode = ZoomMode::FitToWidth;
    resizeCanvas();
}

void ReportPreview::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    if (m_mode == ZoomMode::FitToWidth)
        resizeCanvas();
}

// At the end of the page the wheel turns to the next page, at its top to the one before.
void ReportPreview::wheelEvent(QWheelEvent* event) {
    QScrollBar* bar = verticalScrollBar();
    const int turn = event->angleDelta().y();
    if (turn < 0 && bar->value() == bar->maximum() && m_current < available()) {
        setCurrentPage(m_current + 1);
        emit currentPageChanged();
    } else if (turn > 0 && bar->value() == bar->minimum() && m_current > 1) {
        setCurrentPage(m_current - 1);
        bar->setValue(bar->maximum());
        emit currentPageChanged();
    } else {
        QScrollArea::wheelEvent(event);
        return;
    }
    event->accept();
}

// The canvas holds the page at its zoom with room around it; fitting the width leaves room for
// the scroll bar that a page fitting the width always needs.
void ReportPreview::resizeCanvas() {
    const qreal dpi = m_canvas->logicalDpiX();
    if (m_mode == ZoomMode::FitToWidth) {
        const int width =
            this->width() - 2 * frameWidth() - verticalScrollBar()->sizeHint().width();
        m_zoom = std::clamp((width - 2.0 * kRoom) / (Report::kPageWidthInches * dpi), kLeastZoom,
                            kMostZoom);
    }
    m_canvas->resize(qCeil(Report::kPageWidthInches * dpi * m_zoom) + 2 * kRoom,
                     qCeil(Report::kPageHeightInches * dpi * m_zoom) + 2 * kRoom);
    m_canvas->update();
}

bool ReportPreview::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_canvas && event->type() == QEvent::Paint) {
        paintCanvas();
        return true;
    }
    return QScrollArea::eventFilter(watched, event);
}

// The white page with a shadow to its right and below, and on it the page's items.
void ReportPreview::paintCanvas() {
    const qreal dpi = m_canvas->logicalDpiX();
    const QRectF paper(kRoom, kRoom, Report::kPageWidthInches * dpi * m_zoom,
                       Report::kPageHeightInches * dpi * m_zoom);
    const qreal shadow = std::max(2.0, paper.width() / 150);
    QPainter painter(m_canvas);
    QLinearGradient right(paper.right(), 0, paper.right() + shadow, 0);
    right.setColorAt(0, QColor(0, 0, 0, 255));
    right.setColorAt(1, QColor(0, 0, 0, 0));
    painter.fillRect(QRectF(paper.right(), paper.top() + shadow, shadow, paper.height()), right);
    QLinearGradient below(0, paper.bottom(), 0, paper.bottom() + shadow);
    below.setColorAt(0, QColor(0, 0, 0, 255));
    below.setColorAt(1, QColor(0, 0, 0, 0));
    painter.fillRect(QRectF(paper.left() + shadow, paper.bottom(), paper.width(), shadow), below);
    painter.fillRect(paper, Qt::white);
    if (m_current > available())
        return;
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setClipRect(paper);
    painter.translate(paper.topLeft());
    painter.scale(m_zoom, m_zoom);
    ReportPainter::paint(painter, m_pages->at(m_current - 1), m_pageCount, dpi);
}
