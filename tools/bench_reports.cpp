// coltstracker-bench-reports FOLDER... [--runs N] [--keep DIR]: times the reports on the database
// of each program folder given (made with coltstracker-district): reading and laying out each,
// its first page shown in the report window, and its PDF. Prints the median of each in ms, the
// districts side by side; with --keep the PDFs are left in DIR to be looked at. Runs offscreen
// unless told otherwise.
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
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace {

// One report on one district.
struct Timed {
    QString report;
    int rows = 0, pages = 0;
    double layout = 0, window = 0, pdf = 0;
};

} // namespace

int main(int argc, char* argv[]) {
    BenchSupport::offscreenUnlessTold();
    QApplication app(argc, argv);
    QStringList folders;
    int runs = 0;
    QHash<QString, QString> options;
    if (const int failed = BenchSupport::startScreens(app.arguments(), "coltstracker-bench-reports",
                                                      9, &folders, &runs, &options))
        return failed;
    QTemporaryDir temporary;
    const QDir out(options.value(QStringLiteral("--keep"), temporary.path()));
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
    QVector<QVector<Timed>> all;
    QStringList districts;
    for (const QString& folder : folders) {
        if (!BenchSupport::openDistrict(folder))
            return 1;
        districts
            << QStringLiteral("%1 teams")
                   .arg(Sql::first<int>("SELECT COUNT(*) FROM TblTeam", {}, [](const QSqlQuery& q) {
                            return q.value(0).toInt();
                        }).value_or(0));
        QVector<Timed> timed;
        for (const Case& c : cases) {
            Timed t{c.name};
            QVector<Report::Row> rows;
            QVector<Report::Page> pages;
            t.layout = BenchSupport::timed(runs, [&] {
                rows = c.rows();
                pages =
                    Report::layout(Reports::design(c.kind).layout, rows,
                                   {{QStringLiteral("LblReportTitle"),
                                     Reports::classSheetTitle(QStringLiteral("7"))},
                                    {QStringLiteral("RhTitle"),
                                     Reports::classSheetHeading(1, QStringLiteral("4 - ..."))}});
            });
            t.window = BenchSupport::timed(runs, [&] {
                ReportWindow* w = ReportWindow::open(c.kind, rows);
                QApplication::processEvents();
                w->close();
                QApplication::processEvents();
            });
            QString failure;
            t.pdf = BenchSupport::timed(runs, [&] {
                failure = ReportPainter::writePdf(
                              pages, out.filePath(Reports::design(c.kind).layout.name + ".pdf"))
                              .failure;
            });
            t.rows = int(rows.size());
            t.pages = int(pages.size());
            timed << t;
        }
        all << timed;
        BenchSupport::closeDistrict();
    }
    // One column a district; with two, the ratio of the second's first page to the first's.
    QString heading = QStringLiteral("| report (median of %1 runs) |").arg(runs);
    for (const QString& district : districts)
        heading += QStringLiteral(" %1: rows, pages; read and laid out, first page in the window, "
                                  "PDF |")
                       .arg(district);
    if (all.size() == 2)
        heading += QStringLiteral(" ratio, read to first page |");
    std::printf("%s\n|%s\n", qPrintable(heading),
                qPrintable(QString("---|").repeated(heading.count('|') - 1)));
    for (int r = 0; r < int(std::size(cases)); ++r) {
        QString line = QStringLiteral("| %1 |").arg(cases[r].name);
        for (const QVector<Timed>& timed : all) {
            const Timed& t = timed.at(r);
            line += QStringLiteral(" %1, %2; %3 ms, %4 ms, %5 ms |")
                        .arg(t.rows)
                        .arg(t.pages)
                        .arg(t.layout, 0, 'f', 1)
                        .arg(t.window, 0, 'f', 1)
                        .arg(t.pdf, 0, 'f', 1);
        }
        if (all.size() == 2)
            line += QStringLiteral(" %1x |").arg((all[1][r].layout + all[1][r].window) /
                                                     (all[0][r].layout + all[0][r].window),
                                                 0, 'f', 2);
        std::printf("%s\n", qPrintable(line));
    }
    std::printf("| peak memory of this run | %s |\n", qPrintable(BenchSupport::peakMemory()));
    return 0;
}
