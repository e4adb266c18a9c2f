#include "reports/ReportWindow.h"

#include "core/AppState.h"
#include "core/CsvText.h"
#include "core/Twips.h"
#include "data/Spreadsheet.h"
#include "data/WholeFile.h"
#include "forms/Controls.h"
#include "forms/Messages.h"
#include "reports/ReportPainter.h"
#include "reports/ReportPreview.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>
#include <map>

namespace {

// The open window of each report.
std::map<Reports::Kind, QPointer<ReportWindow>> g_windows;
// The zoom the secretary chose for each report, kept while the program runs; a report
// without one fits the page's width to its window.
std::map<Reports::Kind, qreal> g_zoom;
// The folder last saved into while the program runs.
QString g_saveFolder;
// The pages laid out at a time while the window waits for the user: a few milliseconds' work.
constexpr int kPagesASlice = 50;

} // namespace

ReportWindow* ReportWindow::open(Reports::Kind kind, const QVector<Report::Row>& rows,
                                 const QHash<QString, QString>& captions, const QString& subject) {
    QPointer<ReportWindow>& window = g_windows[kind];
    if (!window)
        window = new ReportWindow(kind);
    window->fill(rows, captions, subject);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

ReportWindow* ReportWindow::find(Reports::Kind kind) {
    const auto shown = g_windows.find(kind);
    return shown == g_windows.end() ? nullptr : shown->second.data();
}

ReportWindow::ReportWindow(Reports::Kind kind) : QWidget(nullptr), m_kind(kind) {
    const Reports::Design& design = Reports::design(kind);
    setObjectName(design.layout.name);
    setWindowTitle(design.title);
    setAttribute(Qt::WA_DeleteOnClose);
    m_preview = new ReportPreview(this);
    m_preview->setObjectName(QStringLiteral("Preview"));
    connect(m_preview, &ReportPreview::currentPageChanged, this, &ReportWindow::showPage);
    m_layoutTimer = new QTimer(this);
    m_layoutTimer->setInterval(0);
    connect(m_layoutTimer, &QTimer::timeout, this, &ReportWindow::layOutSlice);

    // Two rows, so that the bar fits the narrowest designed window on an 800 x 600 screen:
    // the pages and the zoom above, what is made of the report below.
    auto* pagesRow = new QHBoxLayout;
    auto* outputRow = new QHBoxLayout;
    const auto action = [this](QHBoxLayout* row, const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        Controls::name(b, QString::fromLatin1(name));
        b->setAutoDefault(false);
        row->addWidget(b);
        return b;
    };
    // A button with a sign for a caption, as narrow as the sign, named in its tooltip.
    const auto sign = [action, pagesRow](const char* name, const QString& caption,
                                         const QString& tip) {
        QPushButton* b = action(pagesRow, name, caption);
        b->setToolTip(tip);
        b->setFixedWidth(
            std::max(b->sizeHint().height(), b->fontMetrics().horizontalAdvance(caption) + 16));
        return b;
    };
    connect(sign("CmdFirstPage", "|<", "First page"), &QPushButton::clicked, this, [this] {
        m_preview->setCurrentPage(1);
        showPage();
    });
    connect(sign("CmdPreviousPage", "<", "Previous page"), &QPushButton::clicked, this, [this] {
        m_preview->setCurrentPage(m_preview->currentPage() - 1);
        showPage();
    });
    m_pageLabel = new QLabel(this);
    Controls::name(m_pageLabel, QStringLiteral("LblPage"));
    pagesRow->addWidget(m_pageLabel);
    connect(sign("CmdNextPage", ">", "Next page"), &QPushButton::clicked, this, [this] {
        layOutUntil(m_preview->currentPage() + 1);
        m_preview->setCurrentPage(m_preview->currentPage() + 1);
        showPage();
    });
    connect(sign("CmdLastPage", ">|", "Last page"), &QPushButton::clicked, this, [this] {
        m_preview->setCurrentPage(int(pages().size()));
        showPage();
    });
    pagesRow->addStretch();
    connect(sign("CmdZoomOut", "-", "Zoom out"), &QPushButton::clicked, this, [this] {
        m_preview->zoomOut();
        g_zoom[m_kind] = m_preview->zoomFactor();
    });
    connect(sign("CmdZoomIn", "+", "Zoom in"), &QPushButton::clicked, this, [this] {
        m_preview->zoomIn();
        g_zoom[m_kind] = m_preview->zoomFactor();
    });
    connect(action(pagesRow, "CmdFitWidth", "Fit Width"), &QPushButton::clicked, this, [this] {
        g_zoom.erase(m_kind);
        m_preview->fitToWidth();
    });
    connect(action(outputRow, "CmdPrint", "Print..."), &QPushButton::clicked, this,
            &ReportWindow::CmdPrint_Click);
    connect(action(outputRow, "CmdSavePdf", "Save as PDF..."), &QPushButton::clicked, this,
            &ReportWindow::CmdSavePdf_Click);
    connect(action(outputRow, "CmdSaveCsv", "Save rows as CSV..."), &QPushButton::clicked, this,
            &ReportWindow::CmdSaveCsv_Click);
    connect(action(outputRow, "CmdSaveXlsx", "Save as spreadsheet..."), &QPushButton::clicked, this,
            &ReportWindow::CmdSaveXlsx_Click);
    outputRow->addStretch();
    const auto zoom = g_zoom.find(kind);
    if (zoom == g_zoom.end())
        m_preview->fitToWidth();
    else
        m_preview->setZoomFactor(zoom->second);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->addLayout(pagesRow);
    column->addLayout(outputRow);
    column->addWidget(m_preview, 1);

    resize(Twips::toPixels(design.windowWidth), Twips::toPixels(design.windowHeight));
    if (design.centred) {
        const QPointF origin = Twips::centredOrigin(AppState::ScreenWidth, AppState::ScreenHeight,
                                                    design.windowWidth, design.windowHeight);
        move(Twips::toPixels(origin.x()), Twips::toPixels(origin.y()));
    }
}

ReportWindow::~ReportWindow() = default;

QString ReportWindow::documentName(Reports::Kind kind, const QString& subject, const QDate& day) {
    QString name = Reports::design(kind).title;
    if (kind == Reports::Kind::TeamStandings || kind == Reports::Kind::RiderStandings)
        name += QLatin1Char(' ') + day.toString(Qt::ISODate);
    else if (!subject.isEmpty())
        name += QStringLiteral(" - ") + subject;
    return WholeFile::fileName(name);
}

QString ReportWindow::saveFolder() {
    return g_saveFolder.isEmpty()
               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
               : g_saveFolder;
}

void ReportWindow::fill(const QVector<Report::Row>& rows, const QHash<QString, QString>& captions,
                        const QString& subject) {
    m_layoutTimer->stop();
    m_pager = std::make_unique<Report::Pager>(Reports::design(m_kind).layout, rows, captions);
    m_rows = rows;
    m_subject = subject;
    m_preview->setPages(&m_pager->pages(), 0);
    layOutUntil(1);
    m_preview->setCurrentPage(1);
    showPage();
    if (!m_pager->finished())
        m_layoutTimer->start();
}

void ReportWindow::layOutUntil(int count) {
    if (m_pager->finished())
        return;
    m_pager->layoutUntil(count);
    if (!m_pager->finished())
        return;
    m_layoutTimer->stop();
    m_preview->setPages(&m_pager->pages(), int(m_pager->pages().size()));
    showPage();
}

void ReportWindow::layOutSlice() {
    layOutUntil(int(m_pager->pages().size()) + kPagesASlice);
}

void ReportWindow::finishLayout() {
    layOutUntil(std::numeric_limits<int>::max());
}

const QVector<Report::Page>& ReportWindow::pages() {
    finishLayout();
    return m_pager->pages();
}

void ReportWindow::showPage() {
    const QString count =
        m_pager->finished() ? QString::number(m_pager->pages().size()) : QString(QChar(0x2026));
    m_pageLabel->setText(
        QStringLiteral("Page %1 of %2").arg(std::max(1, m_preview->currentPage())).arg(count));
}

bool ReportWindow::savePdf(const QString& path) {
    return Messages::saved(
        path, ReportPainter::writePdf(pages(), path,
                                      documentName(m_kind, m_subject, QDate::currentDate())));
}

QVector<int> ReportWindow::savedColumns() const {
    QVector<int> columns;
    const Reports::Design& design = Reports::design(m_kind);
    for (const QString& column : design.csv)
        columns.push_back(design.layout.column(column));
    return columns;
}

bool ReportWindow::saveCsv(const QString& path) {
    const Reports::Design& design = Reports::design(m_kind);
    const QVector<int> columns = savedColumns();
    QVector<QStringList> lines{design.csv};
    for (const Report::Row& row : m_rows) {
        QStringList fields;
        for (int column : columns)
            fields << row.at(column).toString();
        lines << fields;
    }
    return Messages::saved(path, WholeFile::write(path, CsvText::encode(lines)));
}

bool ReportWindow::saveXlsx(const QString& path) {
    const QVector<int> columns = savedColumns();
    QVector<QVariantList> cells;
    for (const Report::Row& row : m_rows) {
        QVariantList line;
        for (int column : columns)
            line << row.at(column);
        cells << line;
    }
    const Reports::Design& design = Reports::design(m_kind);
    return Messages::saved(path, Spreadsheet::write(path, design.title, design.csv, cells));
}

bool ReportWindow::print(QPrinter& printer) {
    printer.setDocName(documentName(m_kind, m_subject, QDate::currentDate()));
    if (ReportPainter::print(printer, pages()))
        return true;
    Messages::notice(QStringLiteral("The report could not be printed: the printer could not be "
                                    "started or reported an error. Check the printer and print "
                                    "again."));
    return false;
}

void ReportWindow::CmdPrint_Click() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        print(printer);
}

QString ReportWindow::pickFile(const QString& caption, const QString& suffix,
                               const QString& filter) {
    const QString name = documentName(m_kind, m_subject, QDate::currentDate()) + suffix;
    const QString path =
        QFileDialog::getSaveFileName(this, caption, QDir(saveFolder()).filePath(name), filter);
    if (!path.isEmpty())
        g_saveFolder = QFileInfo(path).absolutePath();
    return path;
}

void ReportWindow::CmdSavePdf_Click() {
    const QString path = pickFile(QStringLiteral("Save as PDF"), QStringLiteral(".pdf"),
                                  QStringLiteral("PDF files (*.pdf)"));
    if (!path.isEmpty())
        savePdf(path);
}

void ReportWindow::CmdSaveCsv_Click() {
    const QString path = pickFile(QStringLiteral("Save rows as CSV"), QStringLiteral(".csv"),
                                  QStringLiteral("CSV files (*.csv)"));
    if (!path.isEmpty())
        saveCsv(path);
}

void ReportWindow::CmdSaveXlsx_Click() {
    const QString path = pickFile(QStringLiteral("Save as spreadsheet"), QStringLiteral(".xlsx"),
                                  QStringLiteral("Spreadsheets (*.xlsx)"));
    if (!path.isEmpty())
        saveXlsx(path);
}
