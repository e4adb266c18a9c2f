#pragma once

#include "reports/ReportLayout.h"

#include <QScrollArea>

// The preview of a report window: one page at a time, drawn from its placed items whenever it
// is shown, white with a shadow on grey, in a scroll area; it fits the page to its width until a
// zoom is chosen. The pages may still be growing while they are shown; until their count is
// known, the items that show it stay empty.
class ReportPreview : public QScrollArea {
    Q_OBJECT
public:
    enum class ZoomMode { FitToWidth, Custom };

    explicit ReportPreview(QWidget* parent = nullptr);

    // Shows `pages`, which stay the caller's and may grow; `pageCount` is the number of pages
    // of the whole report, 0 while it is not known. The current page stays where it can.
    void setPages(const QVector<Report::Page>* pages, int pageCount);
    // The current page, from 1; kept among the pages there are.
    int currentPage() const { return m_current; }
    void setCurrentPage(int page);

    ZoomMode zoomMode() const { return m_mode; }
    // The size of the page against its size at the screen's resolution.
    qreal zoomFactor() const { return m_zoom; }
    void setZoomFactor(qreal zoom);
    void zoomIn(qreal step = 1.1);
    void zoomOut(qreal step = 1.1);
    void fitToWidth();

signals:
    // The wheel has turned the page.
    void currentPageChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    int available() const;
    void resizeCanvas();
    void paintCanvas();

    QWidget* m_canvas;
    const QVector<Report::Page>* m_pages = nullptr;
    int m_pageCount = 0;
    int m_current = 1;
    ZoomMode m_mode = ZoomMode::FitToWidth;
    qreal m_zoom = 1;
};
