// coltstracker-bench-reports FOLDER [--runs N] [--keep DIR]: times the reports on the database
// of a program folder (made with coltstracker-district): reading and laying out each, its first
// page shown in the report window, and its PDF. Prints the median of each in ms; with --keep
// the PDFs are left in DIR to be looked at. Runs offscreen unless told otherwise.
#include "BenchSupport.h"
#include "core/AppState.h"
#include "data/DatabaseFile.h"
#include "data/Sql.h"
#include "forms/Fonts.h"
#include "reports/ReportPainter.h"
#include "reports/ReportWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

int main(int argc, char* argv[]) {
    BenchSupport::offscreenUnlessTold();
    QApplication app(argc, argv);
    QString folder;
    int runs = 0;
    if (const int failed = BenchSupport::startScreens(app.arguments(), "coltstracker-bench-reports",
                                                      9, &folder, &runs))
        return failed;
    const QString path = QDir(folder).filePath(DatabaseFile::kFileName);
    QTemporaryDir temporary;
    const int keepAt = app.arguments().indexOf(QStringLiteral("--keep"));
    const QDir out(keepAt > 0 && keepAt + 1 < app.arguments().size()
                       ? app.arguments().at(keepAt + 1)
                       : temporary.path());
    struct Case {
        const char* name;
        Reports::Kind kind;
        std::function<QVector<Report::Row>()> rows;
    };
    const Case cases[] = {
        {"complete rider list", Reports::Kind::RiderList, [] { return Reports::riderList(); }},
        {"team standings", Reports::Kind::TeamStandings, [] { return Reports::teamStandings(); }},
        {"class sheet, ring 1 class 4", Reports::Kind::ClassEntries,
         [] {
             return Reports::classSheet({1, 4, 1});
         }},
        {"relay sheet, ring 1", Reports::Kind::ClassEntries18,
         [] {
             return Reports::classSheet({1, 18, 1});
         }},
        {"meet results, meet 1, 2 rings", Reports::Kind::MeetResults,
         [] { return Reports::meetResults(QStringLiteral("7"), 1, 2); }},
        {"class results, ring 1 class 4", Reports::Kind::ClassResults,
         [] {
             return Reports::classResults(QStringLiteral("7"), {1, 4, 1});
         }},
        {"rider standings", Reports::Kind::RiderStandings,
         [] { return Reports::riderStandings(); }},
    };
    std::printf("| report (median of %d runs) | rows | pages | read and laid out | first page in "
                "the window | PDF |\n|---|---|---|---|---|---|\n",
                runs);
    for (const Case& c : cases) {
        QVector<Report::Row> rows;
        QVector<Report::Page> pages;
        const double layout = BenchSupport::timed(runs, [&] {
            rows = c.rows();
            pages = Report::layout(
                Reports::design(c.kind).layout, rows,
                {{QStringLiteral("LblReportTitle"), Reports::classSheetTitle(QStringLiteral("7"))},
                 {QStringLiteral("RhTitle"),
                  Reports::classSheetHeading(1, QStringLiteral("4 - ..."))}});
        });
        const double window = BenchSupport::timed(runs, [&] {
            ReportWindow* w = ReportWindow::open(c.kind, rows);
            QApplication::processEvents();
            w->close();
            QApplication::processEvents();
        });
        QString failure;
        const double pdf = BenchSupport::timed(runs, [&] {
            failure = ReportPainter::writePdf(
                          pages, out.filePath(Reports::design(c.kind).layout.name + ".pdf"))
                          .failure;
        });
        std::printf("| %s | %d | %d | %.1f ms | %.1f ms | %.1f ms |\n", c.name, int(rows.size()),
                    int(pages.size()), layout, window, pdf);
    }
    std::printf("| peak memory of this run | %s | | | | |\n",
                qPrintable(BenchSupport::peakMemory()));
    return 0;
}
