// The report engine's layout and painting, the four reports' rows, the report window and the
// class sheet generator.
#include "app/AppState.h"
#include "app/FrmMain.h"
#include "data/Sql.h"
#include "reports/ReportWindow.h"
#include "reports/Reports.h"
#include "support/TestProgram.h"

#include <QComboBox>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace {

// `count` teams named Team 01... in division A, with one rider each; team k's rider has
// placings worth k points at meet 1 and 1 point at meet 2.
void addTeams(int count) {
    for (int k = 1; k <= count; ++k) {
        Sql::run("INSERT INTO TblTeam (TeamCode, TeamName, Division) VALUES (?, ?, 'A')",
                 {k, QString("Team %1").arg(k, 2, 10, QChar('0'))});
        Sql::run("INSERT INTO TblPerson (RiderNumber, FirstName, LastName, TeamCode)"
                 " VALUES (?, 'F', 'L', ?)",
                 {QString("r%1").arg(k), k});
    }
}

// The lines of a trace on page `page` that come from `section`.
QStringList traced(const QVector<Report::Page>& pages, int page, const QString& section) {
    QStringList out;
    for (const QString& line : Report::trace(pages).split('\n')) {
        if (line.startsWith(QString("%1 %2 ").arg(page).arg(section)))
            out << line.section(' ', 2);
    }
    return out;
}

QStringList fieldOf(const QVector<Report::Row>& rows, const char* column) {
    QStringList out;
    for (const Report::Row& row : rows)
        out << row.value(column).toString();
    return out;
}

} // namespace

class TestReports : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }

    void pagesRepeatTheirHeadersAndNeverSplitARow() {
        TestProgram program;
        QVector<Report::Row> rows;
        for (int k = 1; k <= 30; ++k)
            rows.push_back({{"RiderNumber", QString::number(k)},
                            {"FirstName", "Ann"},
                            {"LastName", "Berg"},
                            {"TeamName", QString(200, 'W')}});
        const auto pages = Report::layout(Reports::design(Reports::Kind::RiderList).layout, rows);
        // Body 12960 twips: a header of 390, then 23 rows of 528.
        QCOMPARE(pages.size(), 2);
        const QString heading = traced(pages, 2, "PageHeader").first();
        QVERIFY2(heading.startsWith("1584,1584 ") && heading.endsWith("\"RiderNumber:\""),
                 qPrintable(heading));
        QCOMPARE(traced(pages, 1, "Detail").size(), 23 * 4);
        QCOMPARE(traced(pages, 2, "Detail").first(), QString("1584,1974 1008x240 8.25 \"24\""));
        // Empty sections take no room and print nothing.
        QVERIFY(traced(pages, 1, "ReportHeader").isEmpty() &&
                traced(pages, 2, "PageFooter").isEmpty());
        // A team name wider than the page is shortened with an ellipsis, never cut silently.
        QVERIFY(traced(pages, 1, "Detail").at(3).endsWith(QString::fromUtf8("…\"")));
    }

    void standingsGroupTeamsWithTheirTotalsAndNumberThePages() {
        TestProgram program;
        addTeams(25);
        Sql::run("INSERT INTO TblTeam (TeamCode, TeamName, Division) VALUES (26, 'Team 01', 'A')");
        for (int k = 1; k <= 25; ++k) {
            Sql::run("INSERT INTO TblPlacing (ClassNumber, Ring, Week, Place, RiderNumber, Points)"
                     " VALUES (1, 1, 1, ?, ?, ?), (1, ?, 2, 1, ?, 1)",
                     {k, QString("r%1").arg(k), k, k, QString("r%1").arg(k)});
        }
        const QVector<Report::Row> rows = Reports::teamStandings();
        const auto pages =
            Report::layout(Reports::design(Reports::Kind::TeamStandings).layout, rows);
        QCOMPARE(pages.size(), 3);
        QStringList totals, teams;
        for (int p = 1; p <= pages.size(); ++p) {
            for (const QString& line : traced(pages, p, "GroupFooter"))
                if (!line.contains("Total Points"))
                    totals << line.section('"', 1, 1);
            for (const QString& line : traced(pages, p, "GroupHeader"))
                if (line.contains("Team "))
                    teams << line.section('"', 1, 1);
            QCOMPARE(QStringList(traced(pages, p, "PageFooter"))
                         .replaceInStrings(QRegularExpression("^.* \""), "")
                         .join(' '),
                     QString("Page\" %1\" of\" 3\"").arg(p));
        }
        // Every team in division and name order, the two named Team 01 apart (the second has
        // no rider and 0 points), each total its meets added up.
        QCOMPARE(teams.size(), 26);
        QCOMPARE(teams.mid(0, 3), (QStringList{"Team 01", "Team 01", "Team 02"}));
        QCOMPARE(totals.mid(0, 3), (QStringList{"2", "0", "3"}));
        QCOMPARE(totals.last(), QString("26"));
        QCOMPARE(traced(pages, 1, "ReportHeader").first(),
                 QString("4752,1584 2595x420 15.75b \"Point Standings\""));
        QCOMPARE(traced(pages, 3, "ReportFooter").size(), 1);
    }

    void eachReportReadsItsRows() {
        TestProgram program;
        Sql::run("INSERT INTO TblTeam (TeamCode, TeamName, Division) VALUES (1, 'Oak', 'B'),"
                 " (2, 'Elm', 'A'), (3, 'Ash', 'A')");
        Sql::run("INSERT INTO TblPerson (RiderNumber, FirstName, LastName, TeamCode) VALUES"
                 " ('20', 'Ann', 'Berg', 1), ('100', 'Bo', 'Cole', 1), ('7', 'Cy', 'Dunn', 2),"
                 " ('9', 'Di', 'Eck', 99)");
        Sql::run("INSERT INTO TblRing (Week, RingNumber, TeamCode) VALUES (1, 1, 1), (1, 2, 2)");
        Sql::run("INSERT INTO TblEntry (ClassNumber, Week, RiderNumber) VALUES (4, 1, '20'),"
                 " (4, 1, '100'), (4, 1, '7'), (18, 1, '20'), (18, 1, '100'), (4, 2, '20')");
        Sql::run("INSERT INTO TblPairing (Week, RiderNumber, PartnerNumber, PartnerFirst,"
                 " PartnerLast) VALUES (1, '20', '100', 'Bo', 'Cole')");
        QCOMPARE(fieldOf(Reports::riderList(), "RiderNumber"), (QStringList{"7", "100", "20"}));
        QCOMPARE(fieldOf(Reports::classSheet(1, 4, 1), "RiderNumber"), (QStringList{"100", "20"}));
        QCOMPARE(fieldOf(Reports::classSheet(2, 4, 1), "TeamName"), QStringList{"Elm"});
        const auto relay = Reports::classSheet(1, 18, 1);
        QCOMPARE(fieldOf(relay, "RiderNumber") + fieldOf(relay, "PartnerNumber"),
                 (QStringList{"20", "100"}));
        QCOMPARE(fieldOf(Reports::teamStandings(), "TeamName"), (QStringList{"Ash", "Elm", "Oak"}));
    }

    void classSheetsFromTheGeneratorAndAPdfOfThePages() {
        TestProgram program;
        AppState::DistrictNum = "7";
        Sql::run("INSERT INTO TblTeam (TeamCode, TeamName, Division) VALUES (1, 'Oak', 'B')");
        Sql::run("INSERT INTO TblPerson (RiderNumber, FirstName, LastName, TeamCode) VALUES"
                 " ('20', 'Ann', 'Berg', 1)");
        Sql::run("INSERT INTO TblRing (Week, RingNumber, TeamCode) VALUES (2, 1, 1)");
        Sql::run("INSERT INTO TblEntry (ClassNumber, Week, RiderNumber) VALUES (4, 2, '20')");
        QWidget* entries = openScreen("CmdRecord", "CmdEntry", "FrmEntries", 2);
        QVERIFY(entries);
        QVERIFY(click(entries, "CmdReports"));
        QWidget* generator = window("FrmDataReports");
        QVERIFY(generator);
        QVERIFY(click(generator, "CmdViewReport"));
        control<QComboBox>(generator, "CbRing")->setCurrentIndex(0);
        QVERIFY(click(generator, "CmdViewReport"));
        QCOMPARE(program.presenter.texts(),
                 (QStringList{"Please Enter the Ring Number for the Class Sheet",
                              "Please Enter the Which Class the Class Sheet is for"}));
        control<QComboBox>(generator, "CbClass")->setCurrentIndex(3);
        QVERIFY(click(generator, "CmdViewReport"));
        ReportWindow* sheet = ReportWindow::find(Reports::Kind::ClassEntries);
        QVERIFY(sheet);
        QCOMPARE(sheet->windowTitle(), QString("Class Sheet"));
        const QString trace = Report::trace(sheet->pages());
        QVERIFY2(trace.contains("\"VORN District 7 Class Sheet\"") &&
                     trace.contains("\"Rider List for Ring: 1, Class: 4 - Novice Equitation on "
                                    "the Flat\"") &&
                     trace.contains("\"Ann\""),
                 qPrintable(trace));
        // The title at 12 pt is wider than its box: it runs on, whole.
        QVERIFY(!trace.contains(QString::fromUtf8("…")));
        // Another class fills the same window anew.
        control<QComboBox>(generator, "CbClass")->setCurrentIndex(4);
        QVERIFY(click(generator, "CmdViewReport"));
        QCOMPARE(ReportWindow::find(Reports::Kind::ClassEntries), sheet);
        QVERIFY(sheet->rows().isEmpty());
        QVERIFY(Report::trace(sheet->pages()).contains("Class: 5 - "));

        // The painter's PDF, read back as text: the right words on the right page.
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed");
        addTeams(0);
        for (int k = 2; k <= 26; ++k)
            Sql::run("INSERT INTO TblTeam (TeamCode, TeamName, Division) VALUES (?, ?, 'C')",
                     {k, QString("Club %1").arg(k, 2, 10, QChar('0'))});
        QWidget* main = window("FrmMain");
        QVERIFY(click(main, "CmdReports") && click(main, "CmdStandingsRpt"));
        ReportWindow* standings = ReportWindow::find(Reports::Kind::TeamStandings);
        QVERIFY(standings);
        const QString pdf = program.folder() + "/standings.pdf";
        QString error;
        QVERIFY2(standings->savePdf(pdf, &error), qPrintable(error));
        const auto page = [&pdf](int n) {
            QProcess text;
            text.start("pdftotext", {"-f", QString::number(n), "-l", QString::number(n), pdf, "-"});
            text.waitForFinished();
            return QString::fromUtf8(text.readAllStandardOutput()).simplified();
        };
        QVERIFY2(page(1).contains("Point Standings") && page(1).contains("Oak B") &&
                     page(1).contains("Page 1") && page(1).contains("of 3"),
                 qPrintable(page(1)));
        QVERIFY2(page(3).contains("Club 26 C") && page(3).contains("Total Points: 0") &&
                     page(3).contains("Page 3") && page(3).contains("of 3") &&
                     !page(3).contains("Oak"),
                 qPrintable(page(3)));
        // Pressing the button again brings the same window back with the rows read afresh.
        Sql::run("DELETE FROM TblTeam WHERE TeamCode > 1");
        QVERIFY(click(main, "CmdStandingsRpt"));
        QCOMPARE(ReportWindow::find(Reports::Kind::TeamStandings), standings);
        QCOMPARE(standings->pages().size(), 1);
        const QString csv = program.folder() + "/standings.csv";
        QVERIFY(standings->saveCsv(csv, &error));
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\xEF\xBB\xBF"
                                            "TeamName,Division,Week,Sum Of Points\r\nOak,B,,\r\n"));
        standings->close();
        sheet->close();
    }
};

QTEST_MAIN(TestReports)
#include "tst_reports.moc"
