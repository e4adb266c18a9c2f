#include "reports/ReportWindow.h"

#include "core/AppState.h"
#include "core/Twips.h"
#include "data/Spreadsheet.h"
#include "forms/Controls.h"
#include "forms/Messages.h"
#include "reports/ReportPainter.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
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

// A field as spreadsheets read it: quoted where it holds a separator, a quote or a line break.
QString csvField(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')) &&
        text.trimmed() == text)
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

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
    m_printer = new QPrinter(QPrinter::ScreenResolution);
    m_printer->setPageSize(QPageSize(QPageSize::Letter));
    m_printer->setFullPage(true);
    m_preview = new QPrintPreviewWidget(m_printer, this);
    m_preview->setObjectName(QStringLiteral("Preview"));
    m_preview->setViewMode(QPrintPreviewWidget::SinglePageView);
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* printer) { ReportPainter::print(*printer, m_pages); });
    connect(m_preview, &QPrintPreviewWidget::previewChanged, this, &ReportWindow::showPage);

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
        m_preview->setCurrentPage(m_preview->currentPage() + 1);
        showPage();
    });
    connect(sign("CmdLastPage", ">|", "Last page"), &QPushButton::clicked, this, [this] {
        m_preview->setCurrentPage(m_preview->pageCount());
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

// The printer has no parent to take it; the preview that draws on it goes first.
ReportWindow::~ReportWindow() {
    delete m_preview;
    delete m_printer;
}

QString ReportWindow::documentName(Reports::Kind kind, const QString& subject, const QDate& day) {
    QString name = Reports::design(kind).title;
    if (kind == Reports::Kind::TeamStandings || kind == Reports::Kind::RiderStandings)
        name += QLatin1Char(' ') + day.toString(Qt::ISODate);
    else if (!subject.isEmpty())
        name += QStringLiteral(" - ") + subject;
    static const QRegularExpression forbidden(QStringLiteral("[\\\\/:*?\"<>|]"));
    return name.replace(forbidden, QStringLiteral("-"));
}

QString ReportWindow::saveFolder() {
    return g_saveFolder.isEmpty()
               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
               : g_saveFolder;
}

void ReportWindow::fill(const QVector<Report::Row>& rows, const QHash<QString, QString>& captions,
                        const QString& subject) {
    m_rows = rows;
    m_subject = subject;
    m_pages = Report::layout(Reports::design(m_kind).layout, rows, captions);
    m_preview->updatePreview();
    m_preview->setCurrentPage(1);
    showPage();
}

void ReportWindow::showPage() {
    m_pageLabel->setText(QStringLiteral("Page %1 of %2")
                             .arg(std::max(1, m_preview->currentPage()))
                             .arg(m_pages.size()));
}

bool ReportWindow::saved(const QString& path, const Outcome& written) {
    if (!written.ok())
        Messages::notice(QStringLiteral("The file \"%1\" could not be saved: %2.")
                             .arg(QDir::toNativeSeparators(path), written.failure));
    return written.ok();
}

bool ReportWindow::savePdf(const QString& path) {
    return saved(path, ReportPainter::writePdf(
                           m_pages, path, documentName(m_kind, m_subject, QDate::currentDate())));
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
    QStringList lines{design.csv.join(QLatin1Char(','))};
    for (const Report::Row& row : m_rows) {
        QStringList fields;
        for (int column : columns)
            fields << csvField(row.at(column).toString());
        lines << fields.join(QLatin1Char(','));
    }
    // A byte order mark, so that spreadsheets read the file as UTF-8.
    const QByteArray bytes = "\xEF\xBB\xBF" + lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
    return saved(path, WholeFile::write(path, bytes));
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
    return saved(path, Spreadsheet::write(path, design.title, design.csv, cells));
}

bool ReportWindow::print(QPrinter& printer) {
    printer.setDocName(documentName(m_kind, m_subject, QDate::currentDate()));
    if (ReportPainter::print(printer, m_pages))
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
