#pragma once

#include "data/WholeFile.h"
#include "reports/Reports.h"

#include <QWidget>
#include <memory>

class QDate;
class QLabel;
class QPrinter;
class QTimer;
class ReportPreview;

// The window a report shows in: the paged preview with page navigation and zoom, Print...,
// Save as PDF..., Save rows as CSV... and Save as spreadsheet..., in two rows that fit the designed
// window on an 800 x 600 screen; it opens fitting the page to its width or at the zoom last chosen
// for the report. Modeless; one window a report layout, which a new opening fills anew and brings
// to the front. It shows the first page as soon as that is laid out and lays out the rest while
// it waits for the user; whatever needs every page lays out the rest at once.
class ReportWindow : public QWidget {
    Q_OBJECT
public:
    // Shows report `kind` with `rows` (and the captions of its named labels) in its window;
    // `subject` says which one of its kind it is ("Meet 1 Ring 2 Class 7 Walk Trot").
    static ReportWindow* open(Reports::Kind kind, const QVector<Report::Row>& rows,
                              const QHash<QString, QString>& captions = {},
                              const QString& subject = {});
    // The window of report `kind` when it is open.
    static ReportWindow* find(Reports::Kind kind);
    ~ReportWindow() override;

    // The name of a report's files and print jobs, without suffix: the title, then the subject
    // ("Class Sheet - Meet 1 Ring 2 Class 7 Walk Trot") or, for the standings that change
    // with every meet, the day ("Team Standings 2026-12-07"); characters that no file name may
    // hold become "-".
    static QString documentName(Reports::Kind kind, const QString& subject, const QDate& day);
    // Where the save dialogs open: the folder last saved into, first the user's documents.
    static QString saveFolder();

    // Every page of the report, laid out first where some are not yet.
    const QVector<Report::Page>& pages();
    const QVector<Report::Row>& rows() const { return m_rows; }
    const QString& subject() const { return m_subject; }
    // Save the report as a PDF file, or its rows as a CSV file or a spreadsheet (rider numbers
    // as typed), whole or not at all; when the file cannot be written, the user is told why and
    // false returned.
    bool savePdf(const QString& path);
    bool saveCsv(const QString& path);
    bool saveXlsx(const QString& path);
    // Prints the report; when the printout fails, the user is told and false returned.
    bool print(QPrinter& printer);

private slots:
    void CmdPrint_Click();
    void CmdSavePdf_Click();
    void CmdSaveCsv_Click();
    void CmdSaveXlsx_Click();

private:
    explicit ReportWindow(Reports::Kind kind);
    void fill(const QVector<Report::Row>& rows, const QHash<QString, QString>& captions,
              const QString& subject);
    // The file the user picks in a save dialog that suggests this report's name with `suffix`.
    QString pickFile(const QString& caption, const QString& suffix, const QString& filter);
    void showPage();
    // Lays out pages until `count` are, or all; when all are, the preview and the label know
    // their count.
    void layOutUntil(int count);
    void finishLayout();
    void layOutSlice();
    // Where each column a saved file lists is in a row.
    QVector<int> savedColumns() const;

    Reports::Kind m_kind;
    QVector<Report::Row> m_rows;
    std::unique_ptr<Report::Pager> m_pager;
    QString m_subject;
    QTimer* m_layoutTimer;
    ReportPreview* m_preview;
    QLabel* m_pageLabel;
};
