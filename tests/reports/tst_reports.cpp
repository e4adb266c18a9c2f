// The report engine's layout and painting, the reports' rows, the report window and the
// class sheet generator.
#include "support/TestProgram.h"

#include "reports/ReportPainter.h"
#include "reports/ReportPreview.h"

#include <QPainter>
#include <QPrinter>
#include <QStandardPaths>

namespace {

QStringList fieldOf(const QVector<Report::Row>& rows, const char* column) {
    QStringList out;
    for (const Report::Row& row : rows)
        out << row.value(column).toString();
    return out;
}

ReportPreview* preview(Reports::Kind kind) {
    return ReportWindow::find(kind)->findChild<ReportPreview*>();
}

} // namespace

class TestReports : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }

    void reportWindowsFitTheSmallestScreenAndKeepTheirZoom() {
        TestProgram program;
        AppState::ScreenWidth = 12000;
        AppState::ScreenHeight = 9000;
        for (const Reports::Design& d : Reports::designs()) {
            ReportWindow* report = ReportWindow::open(d.kind, {});
            QVERIFY2(QRect(0, 0, 800, 600).contains(report->frameGeometry()),
                     qPrintable(d.layout.name));
            for (const QAbstractButton* b : report->findChildren<QAbstractButton*>())
                QVERIFY2(report->rect().contains(b->geometry()), qPrintable(b->objectName()));
            QCOMPARE(preview(d.kind)->zoomMode(), ReportPreview::ZoomMode::FitToWidth);
        }
        // The zoom chosen for a report comes back with its next window, and with no other.
        QVERIFY(click(ReportWindow::find(Reports::Kind::TeamStandings), "CmdZoomIn"));
        const qreal chosen = preview(Reports::Kind::TeamStandings)->zoomFactor();
        for (const Reports::Design& d : Reports::designs())
            QVERIFY(ReportWindow::find(d.kind)->close());
        settle();
        for (const Reports::Design& d : Reports::designs())
            ReportWindow::open(d.kind, {});
        QCOMPARE(preview(Reports::Kind::TeamStandings)->zoomFactor(), chosen);
        QCOMPARE(preview(Reports::Kind::RiderList)->zoomMode(),
                 ReportPreview::ZoomMode::FitToWidth);
    }

    void filesAndPrintJobsAreNamedForWhatTheyHold_data() {
        QTest::addColumn<Reports::Kind>("kind");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("name");
        QTest::newRow("class sheet")
            << Reports::Kind::ClassEntries << "Meet 1 Ring 2 Class 7 Walk Trot"
            << "Class Sheet - Meet 1 Ring 2 Class 7 Walk Trot";
        QTest::newRow("relay sheet, no file name holds / or :")
            << Reports::Kind::ClassEntries18 << "Meet 3 Ring 1 Class 18 Relay: Walk/Trot"
            << "Class Sheet - Meet 3 Ring 1 Class 18 Relay- Walk-Trot";
        QTest::newRow("standings, dated")
            << Reports::Kind::TeamStandings << QString() << "Team Standings 2026-12-07";
        QTest::newRow("rider list")
            << Reports::Kind::RiderList << QString() << "Complete Rider List";
    }
    void filesAndPrintJobsAreNamedForWhatTheyHold() {
        QFETCH(Reports::Kind, kind);
        QFETCH(QString, subject);
        QFETCH(QString, name);
        QCOMPARE(ReportWindow::documentName(kind, subject, QDate(2026, 12, 7)), name);
    }

    void standingsGroupTeamsWithTheirTotalsNumberThePagesAndAreSaved() {
        TestProgram program;
        // Team 01 to Team 25, and a second Team 01 without riders; team k's rider placed for k
        // points at meet 1 and for 1 point at meet 2.
        Sql::run("INSERT INTO TblTeam (TeamCode, TeamName, Division) VALUES (26, 'Team 01', 'A')");
        for (int k = 1; k <= 25; ++k) {
            Sql::run("INSERT INTO TblTeam (TeamCode, TeamName, Division) VALUES (?, ?, 'A')",
                     {k, QString("Team %1").arg(k, 2, 10, QChar('0'))});
            Sql::run("INSERT INTO TblPerson (RiderNumber, TeamCode) VALUES (?, ?)", {k, k});
            Sql::run("INSERT INTO TblPlacing (ClassNumber, Ring, Week, Place, RiderNumber, Points)"
                     " VALUES (1, 1, 1, ?, ?, ?), (1, ?, 2, 1, ?, 1)",
                     {k, k, k, k, k});
        }
        auto* report = qobject_cast<ReportWindow*>(
            openScreen("CmdReports", "CmdStandingsRpt", "RptTeamStandings"));
        QVERIFY(report);
        const QVector<Report::Page> pages = report->pages();
        QCOMPARE(pages.size(), 3);
        // Every team in division and name order, the two named Team 01 apart, each total its
        // meets added up.
        const QString groups = printed(pages, "Group(Header|Footer)");
        QVERIFY2(groups.startsWith("Team 01 A Total Points: 2 Team 01 A Total Points: 0 Team 02 A "
                                   "Total Points: 3 Team 03 A") &&
                     groups.endsWith("Team 25 A Total Points: 26") && groups.count("Team") == 26,
                 qPrintable(groups));
        // Each page's teams end with their totals on that page; a page that has room for a team's
        // name but not for its total leaves the team to the next.
        for (int p = 1; p <= 3; ++p) {
            QCOMPARE(printed(pages, "PageFooter", p), QString("Page %1 of 3").arg(p));
            QCOMPARE(printed(pages, "GroupHeader", p).count("Team"),
                     printed(pages, "GroupFooter", p).count("Total"));
        }
        QCOMPARE(traced(pages, 1, "ReportHeader"),
                 QStringList{"4752,1584 2595x420 15.75b \"Point Standings\""});
        QCOMPARE(traced(pages, 3, "ReportFooter").size(), 1);

        // The painter's PDF, read back as text: the right words on the right page.
        const QString pdf = program.folder() + "/standings.pdf";
        QVERIFY(report->savePdf(pdf));
        // A printout that cannot be started is reported, not passed over.
        QPrinter printer;
        printer.setOutputFileName(program.folder() + "/no such folder/standings.pdf");
        QVERIFY(!report->print(printer));
        QVERIFY(program.presenter.lastText().startsWith("The report could not be printed"));
        // The paper of the print dialog stays; the job carries the report's name.
        QPrinter a4(QPrinter::HighResolution);
        a4.setPageSize(QPageSize(QPageSize::A4));
        a4.setOutputFileName(program.folder() + "/a4.pdf");
        QVERIFY(report->print(a4));
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed");
        const QString title = "Title: " + ReportWindow::documentName(Reports::Kind::TeamStandings,
                                                                     {}, QDate::currentDate());
        const QString printout = output("pdfinfo", {a4.outputFileName()}).simplified();
        QVERIFY2(printout.contains(title) && printout.contains("(A4)"), qPrintable(printout));
        QVERIFY(output("pdfinfo", {pdf}).simplified().contains(title));
        const auto page = [&pdf](int n) {
            const QString at = QString::number(n);
            return output("pdftotext", {"-f", at, "-l", at, pdf, "-"}).simplified();
        };
        QVERIFY2(page(1).contains("Point Standings") && page(1).contains("Team 01 A") &&
                     page(1).contains("Page 1") && page(1).contains("of 3") &&
                     page(3).contains("Team 25 A Total Points:") && page(3).contains("26") &&
                     page(3).contains("Page 3") && !page(3).contains("Team 01"),
                 qPrintable(page(1) + " / " + page(3)));
        // Pressing the button again brings the same window back with the rows read afresh.
        // Riders without placings add no rows: one a team and meet with points, or one with 0.
        Sql::run("DELETE FROM TblTeam WHERE TeamCode BETWEEN 2 AND 25");
        Sql::run("INSERT INTO TblPerson (RiderNumber, TeamCode) VALUES (98, 1), (99, 26)");
        QVERIFY(click(window("FrmMain"), "CmdStandingsRpt"));
        QCOMPARE(ReportWindow::find(Reports::Kind::TeamStandings), report);
        QCOMPARE(printed(report->pages(), "Group(Header|Footer)"),
                 "Team 01 A Total Points: 2 Team 01 A Total Points: 0");
        const QString csv = program.folder() + "/standings.csv";
        QVERIFY(report->saveCsv(csv));
        QCOMPARE(fileBytes(csv), QByteArray("\xEF\xBB\xBF"
                                            "Team Name,Division,Meet,Points\r\n"
                                            "Team 01,A,1,1\r\nTeam 01,A,2,1\r\nTeam 01,A,,0\r\n"));
        const QString xlsx = program.folder() + "/standings.xlsx";
        QVERIFY(report->saveXlsx(xlsx));
        QCOMPARE(QDir(program.folder()).entryList({"standings*"}),
                 (QStringList{"standings.csv", "standings.pdf", "standings.xlsx"}));
        if (QStandardPaths::findExecutable("unzip").isEmpty())
            QSKIP("unzip is not installed");
        // Bold headings, numbers as numbers.
        const QString sheet = output("unzip", {"-p", xlsx, "xl/worksheets/sheet1.xml"});
        QVERIFY2(sheet.contains(R"(<c r="A1" s="1" t="s">)") &&
                     sheet.contains(R"(<c r="C2"><v>1</v></c>)") &&
                     output("unzip", {"-p", xlsx, "xl/styles.xml"}).contains("<b/>"),
                 qPrintable(sheet));
    }

    // 12 pt in a box 240 twips high, painted at 96 dpi: the descenders show below the box.
    void riderStandingsRankEachDivisionWithoutTheRelay() {
        TestProgram program;
        Sql::run("INSERT INTO TblTeam (TeamCode, TeamName, Division) VALUES (1, 'Ayr', 'A'),"
                 " (2, 'Bree', 'B')");
        Sql::run("INSERT INTO TblPerson (RiderNumber, FirstName, LastName, TeamCode) VALUES"
                 " ('1', 'Al', 'Ames', 1), ('2', 'Bo', 'Byrd', 1), ('3', 'Cy', 'Cole', 1),"
                 " ('4', 'Di', 'Dunn', 1), ('5', 'Ed', 'Eck', 1), ('9', 'Flo', 'Fay', 1)");
        Sql::run("UPDATE TblPerson SET TeamCode = 2 WHERE RiderNumber = '9'"); // changed team
        // Rider 4's relay points would put him second; rider 5 won points in the relay only.
        Sql::run("INSERT INTO TblPlacing (ClassNumber, Ring, Week, Place, RiderNumber, Points)"
                 " VALUES (1, 1, 1, 1, '1', 6), (1, 1, 2, 1, '1', 4), (2, 1, 1, 1, '3', 5),"
                 " (2, 1, 3, 2, '2', 5), (3, 1, 1, 1, '4', 2), (4, 1, 2, 1, '9', 3),"
                 " (18, 1, 1, 1, '4', 6), (18, 1, 1, 2, '5', 5)");
        auto* report = qobject_cast<ReportWindow*>(
            openScreen("CmdReports", "CmdRiderStandings", "RptRiderStandings"));
        QVERIFY(report);
        QCOMPARE(report->windowTitle(), "Rider Standings");
        QVERIFY(printed(report->pages(), "ReportHeader").endsWith("is not counted."));
        QCOMPARE(printed(report->pages(), "PageFooter"), "Page 1 of 1");
        const QString csv = program.folder() + "/riders.csv";
        QVERIFY(report->saveCsv(csv));
        QCOMPARE(fileBytes(csv), QByteArray("\xEF\xBB\xBF"
                                            "Division,Place,Rider Number,First Name,Last Name,"
                                            "Team,Meet 1,Meet 2,Meet 3,Total\r\n"
                                            "A,1,1,Al,Ames,Ayr,6,4,,10\r\n"
                                            "A,2,2,Bo,Byrd,Ayr,,,5,5\r\n"
                                            "A,2,3,Cy,Cole,Ayr,5,,,5\r\n"
                                            "A,4,4,Di,Dunn,Ayr,2,,,2\r\n"
                                            "B,1,9,Flo,Fay,Bree,,3,,3\r\n"));
    }

    void textIsNotClippedToALowBox() {
        Report::Placed name;
        name.rect = QRect(0, 0, 4000, 240);
        name.text = "Sainte-Agnès gjpqy";
        name.font = {12, true};
        QImage image(300, 40, QImage::Format_RGB32), blank(300, 24, QImage::Format_RGB32);
        image.fill(Qt::white);
        blank.fill(Qt::white);
        QPainter painter(&image);
        ReportPainter::paint(painter, {name}, 1, image.logicalDpiY());
        painter.end();
        QVERIFY(image.copy(0, 16, 300, 24) != blank);
    }

    void relaySheetShowsThisMeetsPartnerAndTheTeamBelow() {
        TestProgram program;
        Sql::run("INSERT INTO TblTeam (TeamCode, TeamName, Division) VALUES (1, 'Oak', 'A')");
        Sql::run("INSERT INTO TblPerson (RiderNumber, FirstName, LastName, TeamCode) VALUES"
                 " ('20', 'Ann', 'Berg', 1)");
        Sql::run("INSERT INTO TblRing (Week, RingNumber, TeamCode) VALUES (1, 1, 1), (2, 1, 1)");
        Sql::run("INSERT INTO TblEntry (ClassNumber, Week, RiderNumber) VALUES (18, 1, '20'),"
                 " (18, 2, '20')");
        Sql::run(
            "INSERT INTO TblPairing (Week, RiderNumber, PartnerNumber, PartnerFirst,"
            " PartnerLast) VALUES (1, '20', '100', 'Bo', 'Cole'), (2, '20', '7', 'Cy', 'Dunn')");
        const auto sheet = [](qint16 meet) {
            return Report::layout(Reports::design(Reports::Kind::ClassEntries18).layout,
                                  Reports::classSheet({1, 18, meet}));
        };
        QCOMPARE(printed(sheet(1), "Detail"), "20 Ann Berg 100 Bo Cole TeamName: Oak");
        // Another meet, another partner.
        QCOMPARE(printed(sheet(2), "Detail"), "20 Ann Berg 7 Cy Dunn TeamName: Oak");
        // The team on a second line, 288 twips under the rider and partner.
        QCOMPARE(
            traced(sheet(1), 1, "Detail").filter(QRegularExpression("^(1584|2016|3456),")),
            (QStringList{"1584,2805 720x240 8.25 \"20\"", "2016,3093 1290x240 9.75b \"TeamName:\"",
                         "3456,3093 3888x240 8.25 \"Oak\""}));
    }

    void reportRowsAndTheClassSheetGenerator() {
        TestProgram program;
        Sql::run("INSERT INTO TblTeam (TeamCode, TeamName, Division) VALUES (1, 'Oak', 'B'),"
                 " (2, 'Elm', 'A')");
        Sql::run("INSERT INTO TblPerson (RiderNumber, FirstName, LastName, TeamCode) VALUES"
                 " ('20', 'Ann', 'Berg', 1), ('100', 'Bo', 'Cole', 1), ('007', 'Cy', 'Dunn', 2),"
                 " ('9', 'Di', 'Eck', 99)");
        Sql::run("INSERT INTO TblRing (Week, RingNumber, TeamCode) VALUES (1, 1, 1), (1, 2, 2),"
                 " (2, 1, 1)");
        Sql::run("INSERT INTO TblEntry (ClassNumber, Week, RiderNumber) VALUES (4, 1, '20'),"
                 " (4, 1, '100'), (4, 1, '007'), (18, 1, '20'), (18, 1, '100'), (4, 2, '20')");
        QCOMPARE(fieldOf(Reports::riderList(), "Rider Number"), (QStringList{"007", "100", "20"}));

        // The generator of meet 2, opened from the team entries, asks for the class.
        QWidget* entries = openScreen("CmdRecord", "CmdEntry", "FrmEntries", 2);
        QVERIFY(entries && click(entries, "CmdReports"));
        QWidget* generator = window("FrmDataReports");
        control<QComboBox>(generator, "CbRing")->setCurrentIndex(0);
        QVERIFY(click(generator, "CmdViewReport"));
        QCOMPARE(program.presenter.texts(),
                 QStringList{"Please Enter the Which Class the Class Sheet is for"});
        control<QComboBox>(generator, "CbClass")->setCurrentIndex(3);
        QVERIFY(click(generator, "CmdViewReport"));
        ReportWindow* sheet = ReportWindow::find(Reports::Kind::ClassEntries);
        QVERIFY(sheet);
        QCOMPARE(sheet->windowTitle(), "Class Sheet");
        QCOMPARE(ReportWindow::documentName(Reports::Kind::ClassEntries, sheet->subject(), {}),
                 "Class Sheet - Meet 2 Ring 1 Class 4 Novice Equitation on the Flat");
        // The title at 12 pt is wider than its box: it runs on, whole.
        const QString texts = printed(sheet->pages(), ".*");
        QVERIFY2(texts.startsWith("VORN District 7 Class Sheet Rider List for Ring: 1, Class: 4 - "
                                  "Novice Equitation on the Flat ") &&
                     texts.contains(" Ann Berg ") && !texts.contains("Bo"),
                 qPrintable(texts));
        // Another class fills the same window anew.
        control<QComboBox>(generator, "CbClass")->setCurrentIndex(4);
        QVERIFY(click(generator, "CmdViewReport"));
        QCOMPARE(ReportWindow::find(Reports::Kind::ClassEntries), sheet);
        QVERIFY(sheet->rows().isEmpty());
        QVERIFY(printed(sheet->pages(), ".*").contains("Class: 5 - "));

        // Saved as a spreadsheet, rider number 007 stays text; a file that cannot be written
        // leaves nothing behind.
        ReportWindow* list = ReportWindow::open(Reports::Kind::RiderList, Reports::riderList());
        QVERIFY(!list->saveXlsx(program.folder() + "/no such folder/riders.xlsx"));
        QVERIFY(program.presenter.lastText().endsWith("could not be saved: No such file or "
                                                      "directory."));
        const QString xlsx = program.folder() + "/riders.xlsx";
        QVERIFY(list->saveXlsx(xlsx));
        QCOMPARE(QDir(program.folder()).entryList({"*xlsx*"}, QDir::Files | QDir::Hidden),
                 QStringList{"riders.xlsx"});
        if (QStandardPaths::findExecutable("unzip").isEmpty())
            QSKIP("unzip is not installed");
        QVERIFY(output("unzip", {"-p", xlsx, "xl/worksheets/sheet1.xml"})
                    .contains(R"(<c r="A2" t="s"><v>4</v>)"));
        QVERIFY(output("unzip", {"-p", xlsx, "xl/sharedStrings.xml"}).contains("<t>007</t>"));
    }
    void meetResultsPutEachRingOnItsPagesAndClassResultsOneClass() {
        TestProgram program;
        Sql::run("INSERT INTO TblTeam (TeamCode, TeamName, Division) VALUES (1, 'Oak', 'A')");
        Sql::run("INSERT INTO TblPerson (RiderNumber, FirstName, LastName, TeamCode) VALUES"
                 " ('20', 'Ann', 'Berg', 1), ('21', 'Bo', 'Cole', 1)");
        Sql::run("INSERT INTO TblPlacing (ClassNumber, Ring, Week, Place, RiderNumber, Points)"
                 " VALUES (18, 1, 1, 2, '21', 5), (18, 1, 1, 1, '20', 6), (1, 2, 1, 1, '21', 6),"
                 " (1, 1, 2, 1, '20', 6)");
        Sql::run("INSERT INTO TblPairing (Week, RiderNumber, PartnerNumber, PartnerFirst) VALUES"
                 " (1, '20', '205', 'Cara'), (2, '21', '7', 'Cy')");
        auto* report = qobject_cast<ReportWindow*>(
            openScreen("CmdReports", "CmdMeetResults", "RptMeetResults"));
        const QString csv = program.folder() + "/results.csv";
        QVERIFY(report && report->rows().size() == 2 * 18 + 1 && report->saveCsv(csv));
        QCOMPARE(QString(fileBytes(csv)).split("\r\n").filter(",Oak,"),
                 (QStringList{"1,1,18,Two-Person Relay,1,20,Ann,Berg,Oak,A,6,205,Cara,",
                              "1,1,18,Two-Person Relay,2,21,Bo,Cole,Oak,A,5,,,",
                              "1,2,1,Walk Trot,1,21,Bo,Cole,Oak,A,6,,,"}));
        const QString details = printed(report->pages(), "Detail").simplified();
        QVERIFY(details.contains("No placings entered. 1st 20 Ann Berg Oak A 6 and 205 Cara 2nd 21 "
                                 "Bo Cole Oak A 5 (no partner listed) 1st 21 Bo Cole"));
        // Ring 2 opens a page of its own.
        const QStringList ring2 = Report::trace(report->pages()).split('\n').filter("Ring 2");
        QVERIFY(ring2.first().contains("GroupHeader 1584,1872 8424x285 12b \"District 7   Meet 1"));
        QWidget* placings = openScreen("CmdRecord", "Cmdplacings", "FrmAssignments");
        QVERIFY(click(placings, "CmdClassResults") &&
                program.presenter.lastText().startsWith("You must provide the ring number"));
        control<QComboBox>(placings, "CbRing")->setCurrentIndex(1);
        control<QComboBox>(placings, "CbClass")->setCurrentIndex(0);
        QVERIFY(click(placings, "CmdClassResults"));
        QCOMPARE(
            printed(ReportWindow::find(Reports::Kind::ClassResults)->pages(), ".*").simplified(),
            "Class Results District 7 Meet 1 Ring 2 Class 1 - Walk Trot Place Number Name "
            "Team Division Points 1st 21 Bo Cole Oak A 6 Page 1 of 1");
    }
};

QTEST_MAIN(TestReports)
#include "tst_reports.moc"
