// The rules of the core, without a window: the grids' geometry, the report layout, who may ride
// the relay with whom, and what a roster import makes of a file.
#include "core/CsvText.h"
#include "core/GridGeometry.h"
#include "entries/EntryGrid.h"
#include "entries/RelayRule.h"
#include "placings/Standings.h"
#include "reports/Reports.h"
#include "riders/RosterImport.h"
#include "support/TestDistrict.h"

namespace {

// Team 1 with riders 100, 20, a1 and b1 (the grid's rows, in that order), team 2 with riders
// 300, 301 and Ü1; at meet 1, 300 rides the relay with 301, and 301 is named with a1.
void addDistrict() {
    Sql::run("INSERT INTO TblTeam (TeamCode, TeamName, Division) VALUES (1, 'Oak Ridge', 'B'),"
             " (2, 'Fox Run', 'A')");
    Sql::run("INSERT INTO TblPerson (RiderNumber, FirstName, LastName, TeamCode) VALUES"
             " ('20', 'Ann', 'Berg', 1), ('100', 'Bo', 'Cole', 1), ('b1', 'Cy', 'Dunn', 1),"
             " ('a1', 'Di', 'Eck', 1), ('300', 'Ed', 'Fay', 2), ('301', 'Flo', 'Gill', 2),"
             " ('Ü1', 'Gus', 'Hay', 2)");
    Sql::run("INSERT INTO TblEntry (ClassNumber, Week, RiderNumber) VALUES (18, 1, '300')");
    Sql::run("INSERT INTO TblPairing (Week, RiderNumber, PartnerNumber) VALUES (1, '300', '301'),"
             " (1, '301', 'a1')");
}

} // namespace

class TestRules : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestPaths(); }

    void gridGeometry_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("riders");
        // columns rows | vertical and horizontal lines: how many, the first's start, the last's
        // end | bar maxima (- hidden) | scrolled to the end: columns and rows in view, the last
        // rider's partner list; Apply's and Cancel's left, their top
        QTest::addColumn<QString>("expected");
        QTest::newRow("800 x 600, 5 riders")
            << QSize(12000, 9000) << 5
            << "14 8 | 14 2635 100 10435 4750 | 6 360 1750 11035 4750 | - 5 | 6 19 1 5 10560 4275 "
               "3058.5 7024.5 7125";
        QTest::newRow("800 x 600, 20 riders")
            << QSize(12000, 9000) << 20
            << "14 8 | 14 2635 100 10435 6550 | 9 360 1750 11035 6550 | 12 5 | 6 19 13 20 10560 "
               "6075 3058.5 7024.5 7125";
        QTest::newRow("1024 x 768, 20 riders")
            << QSize(15360, 11520) << 20
            << "20 13 | 19 2635 100 13435 9550 | 14 360 1750 14035 9550 | 7 - | 1 19 8 20 13560 "
               "9075 4178.5 9264.5 9645";
    }
    void gridGeometry() {
        using namespace EntryGrid;
        QFETCH(QSize, screen);
        QFETCH(int, riders);
        QFETCH(QString, expected);
        const QRect window = GridGeometry::window(screen.width(), screen.height());
        const int w = window.width(), h = window.height();
        const Capacity c = capacity(w, h, riders);
        const Bar down = verticalBar(w, h, c.visibleRows, riders);
        const Bar across = horizontalBar(w, h, c.visibleColumns);
        const View end = view(c, riders, across.maximum, down.maximum);
        const Buttons b = buttons(w, h);
        QCOMPARE(numbers(c.visibleColumns, c.visibleRows) + " | " + lineSet(verticalLines(c)) +
                     " | " + lineSet(horizontalLines(c)) + " | " + barMaximum(down) + " " +
                     barMaximum(across) + " | " +
                     numbers(end.columns.first, end.columns.last, end.rows.first, end.rows.last) +
                     " " + placeOf(cellPlace(kLayout, riders, kColumns, end)) + " " +
                     numbers(b.applyLeft, b.cancelLeft, b.top),
                 expected);
        // Box 54 is row 3's class 18; halves round to the even neighbour. Scrolled one column
        // and one row on, the view puts the heading of column 2 and the label of row 2 first
        // and shows nothing of row 1.
        const View next = view(c, riders, 1, 1);
        QCOMPARE(
            numbers(boxIndex(3, 18), classOfBox(55), roundHalfEven(12.5), roundHalfEven(13.5)) +
                " | " + placeOf(headingPlace(kLayout, 2, next)) + " " +
                placeOf(rowLabelPlace(kLayout, 2, next)) + " " +
                placeOf(cellPlace(kLayout, 1, 2, next)),
            "54 1 12 14 | 2760 100 360 1875 -");
    }

    void standingsGeometry_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("teams");
        // columns rows | vertical, horizontal and middle lines: how many, the first's start, the
        // last's end | bar maxima | the last place and points boxes of the view and, scrolled to
        // the end, the cell they show and the heading of class 18
        QTest::addColumn<QString>("expected");
        QTest::newRow("800 x 600, 20 teams")
            << QSize(12000, 9000) << 20
            << "13 8 | 14 2400 100 10785 7460 | 9 200 1700 10785 7460 | 8 2400 2050 10785 7090 | "
               "12 5 | 10220 6790 10220 7150 360 10270 100";
        QTest::newRow("800 x 600, 5 teams")
            << QSize(12000, 9000) << 5
            << "13 8 | 14 2400 100 10785 5300 | 6 200 1700 10785 5300 | 5 2400 2050 10785 4930 | "
               "- 5 | 10220 4630 10220 4990 90 10270 100";
        QTest::newRow("1280 x 1024, 20 teams")
            << QSize(19200, 15360) << 20
            << "25 17 | 19 2400 100 14010 13940 | 18 200 1700 14010 13940 | 17 2400 2050 14010 "
               "13570 | 3 - | 13445 13270 13445 13630 360 13495 100";
    }
    void standingsGeometry() {
        using namespace Standings;
        QFETCH(QSize, screen);
        QFETCH(int, teams);
        QFETCH(QString, expected);
        const QRect window = GridGeometry::window(screen.width(), screen.height());
        const int w = window.width(), h = window.height();
        const Grid g = grid(w, h, teams);
        const Bar down = verticalBar(w, h, g.rowsShown, teams);
        const Bar across = horizontalBar(w, h, g.colsShown);
        const View end = view(g, teams, across.maximum, down.maximum);
        const int last = g.rowsInView * g.columnsInView;
        const Cell shown = cellShownAt(last, g, end);
        QCOMPARE(numbers(g.colsShown, g.rowsShown) + " | " + lineSet(verticalLines(g)) + " | " +
                     lineSet(horizontalLines(g)) + " | " + lineSet(middleLines(g)) + " | " +
                     barMaximum(down) + " " + barMaximum(across) + " | " +
                     numbers(placeBoxAt(last, g).x(), placeBoxAt(last, g).y(),
                             pointsBoxAt(last, g).x(), pointsBoxAt(last, g).y(),
                             boxIndex(shown.team, shown.classNumber)) +
                     " " + placeOf(headingPlace(kLayout, 18, end)),
                 expected);
    }

    void pagesRepeatTheirHeadersAndNeverSplitARow() {
        TestDistrict program;
        const Report::Definition& riders = Reports::design(Reports::Kind::RiderList).layout;
        QVector<Report::Row> rows;
        for (int k = 1; k <= 30; ++k)
            rows.push_back(Report::Row(
                riders.columns, {QString::number(k), QVariant(), QVariant(), QString(200, 'W')}));
        const auto pages = Report::layout(riders, rows);
        // Body 12960 twips: a header of 390, then 23 rows of 528.
        QCOMPARE(pages.size(), 2);
        const QString heading = traced(pages, 2, "PageHeader").first();
        QVERIFY2(heading.startsWith("1584,1584 ") && heading.endsWith("\"RiderNumber:\""),
                 qPrintable(heading));
        QCOMPARE(traced(pages, 1, "Detail").size(), 23 * 4);
        QCOMPARE(traced(pages, 2, "Detail").first(), "1584,1974 1008x240 8.25 \"24\"");
        // Empty sections take no room and print nothing.
        QVERIFY(traced(pages, 1, "ReportHeader").isEmpty() &&
                traced(pages, 2, "PageFooter").isEmpty());
        // A team name wider than the page is shortened with an ellipsis, never cut silently.
        QVERIFY(traced(pages, 1, "Detail").at(3).endsWith(QString::fromUtf8("…\"")));
    }

    // Every column a report prints is among those its query delivers: the queries run on the
    // delivered database, whose empty tables still name their columns.
    void everyReportsQueryDeliversTheColumnsItPrints() {
        TestDistrict program;
        try {
            for (const Reports::Design& design : Reports::designs())
                Reports::read(design, QVariantList(design.values));
        } catch (const Report::UnknownColumn& e) {
            QFAIL(e.what());
        }
    }

    void relayRowsStopAtTheFirstProblem_data() {
        // Partners of rows 1 to 4: "_" none listed, "-" a row not in the relay, "!" ends a text
        // cut at the list's limit.
        QTest::addColumn<QString>("partners");
        // The refusal, or the pairs stored.
        QTest::addColumn<QString>("outcome");
        const QString twoTeams = RelayRule::kTwoTeams;
        QTest::newRow("no partner") << "_ a1 - -" << RelayRule::kNoPartner;
        QTest::newRow("a repeat before an empty one") << "b1 _ B1 -" << twoTeams;
        QTest::newRow("the same rider in other letters") << "b1 - - B1" << twoTeams;
        QTest::newRow("an entered rider as partner") << "20 a1 - -" << twoTeams;
        QTest::newRow("the rider himself")
            << "100 - - -"
            << "Rider 100 is listed as the relay partner of rider 100. A rider cannot be his or "
               "her own relay partner; choose another rider.";
        QTest::newRow("no such rider")
            << "zz - - -"
            << "The relay partner \"zz\" listed for rider 100 is not a rider of the district. "
               "Choose a rider number from the list.";
        QTest::newRow("a cut text names nobody")
            << "- b1! - -"
            << "The relay partner \"b1\" listed for rider 20 is not a rider of the district. "
               "Choose a rider number from the list.";
        QTest::newRow("entered for another team")
            << "300 - - -"
            << "Rider 300 is entered in the 2 Person Relay for another team at this meet, so "
               "rider 100 cannot name them as partner.";
        QTest::newRow("another team's partner")
            << "- 301 - -"
            << "Rider 301 is already the relay partner of rider 300 of another team at this "
               "meet, so rider 20 cannot name them as partner.";
        QTest::newRow("named by another team's pair")
            << "- - b1 -"
            << "Rider a1 is already the relay partner of rider 301 of another team at this meet, "
               "so rider a1 cannot be entered in the 2 Person Relay.";
        QTest::newRow("stored as the records name them") << "B1 ü1 - -"
                                                         << "100+b1 Cy Dunn, 20+Ü1 Gus Hay";
    }
    void relayRowsStopAtTheFirstProblem() {
        QFETCH(QString, partners);
        QFETCH(QString, outcome);
        TestDistrict district(addDistrict);
        const QStringList riders{"100", "20", "a1", "b1"}, listed = partners.split(' ');
        QVector<RelayRule::Row> rows;
        for (int r = 0; r < 4; ++r) {
            QString text = listed[r];
            const bool cut = text.endsWith('!');
            rows.push_back({riders[r], text != "-", text.remove('_').remove('!'), cut});
        }
        const RelayRule::Outcome out = RelayRule::check(rows, RelayRule::storedRecords(1, 1));
        QStringList pairs;
        for (const EntryStore::Pairing& p : out.pairs)
            pairs << p.RiderNumber + '+' + p.PartnerNumber + ' ' + p.PartnerFirst + ' ' +
                         p.PartnerLast;
        QCOMPARE(out.refusal.isEmpty() ? pairs.join(", ") : out.refusal, outcome);
    }

    void csvTextAsSpreadsheetsSaveIt_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("rows"); // fields joined by |, rows by /
        QTest::newRow("byte order mark, semicolons")
            << QByteArray("\xEF\xBB\xBFNumber;Name\r\n7;Zo\xC3\xAB\r\n") << "Number|Name/7|Zoë";
        QTest::newRow("quoted separators, quotes and a line break")
            << QByteArray("a,b\n\"1,2\",\"say \"\"hi\"\"\nthen\"\n") << "a|b/1,2|say \"hi\"\nthen";
        QTest::newRow("Windows-1252")
            << QByteArray("Name;Team\nJos\xE9;\x80 Club\n") << "Name|Team/José|€ Club";
        QTest::newRow("more commas than semicolons") << QByteArray("a;b,c,d\n") << "a;b|c|d";
        QTest::newRow("blank lines, empty fields, CR line ends")
            << QByteArray("a,,c\n\n,,\r\nx\ry") << "a||c/||/x/y";
    }
    void csvTextAsSpreadsheetsSaveIt() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, rows);
        QStringList read;
        for (const QStringList& row : CsvText::parse(CsvText::decode(bytes)))
            read << row.join('|');
        QCOMPARE(read.join('/'), rows);
    }

    void rosterRowsAreAddedOrRefusedWithTheReason() {
        // Each row of a file, and what becomes of it.
        const QString tooLong(51, 'x');
        const QVector<std::pair<QString, QString>> file = {
            {" Back Number | first name |LAST NAME| Team | Division|ZIP CODE|Team", ""},
            {"007|Zoë|Berg|oak ridge|D|02134|", "added Oak Ridge B"}, // its stored division
            {"12|Al|Ames|Pine Hill||", "new Pine Hill C"}, // the division a later row gives
            {"13|Bo|Cole|PINE HILL|c", "new Pine Hill C"},
            {" | | | | ", ""}, // a blank row is left out
            {"12|Cy|Dunn|Oak Ridge||", "Rider number 12 is also in row 3 above."},
            {"A1|Di|Eck|Oak Ridge||", "Rider number A1 is already in the district."},
            {"|Ed|Fay|Oak Ridge||", "No rider number."},
            {"14||Gill|Oak Ridge||", "No first or last name."},
            {"15|Flo|Hay|Elm Farm|E|", "Team \"Elm Farm\" is not in the district, and no division "
                                       "A to D is given for it."},
            {"16|Gus|Ives|Twin||", "2 teams in the district are named \"Twin\"."},
            {"17|" + tooLong + "|Kay|Oak Ridge||", "The first name is longer than 50 characters."},
            {"18|Hal|Jay|", "No team."},
        };
        QVector<QStringList> rows;
        for (const auto& row : file)
            rows << row.first.split('|');
        RosterImport::District district{
            {"a1"}, {{1, "Oak Ridge", "B"}, {2, "Twin", "A"}, {3, "twin", "C"}}};
        const RosterImport::Headings columns = RosterImport::findColumns(rows.first());
        QVERIFY(columns.missing.isEmpty());
        const RosterImport::Plan plan = RosterImport::plan(rows, columns, district);
        QStringList outcomes, expected;
        for (const RosterImport::Line& line : plan.lines) {
            const QString team =
                line.cells[RosterImport::Team] + ' ' + line.cells[RosterImport::Division];
            outcomes << QString::number(line.fileRow) + ' ' +
                            (line.what == RosterImport::What::Added              ? "added " + team
                             : line.what == RosterImport::What::AddedWithNewTeam ? "new " + team
                                                                                 : line.reason);
        }
        for (int r = 1; r < file.size(); ++r)
            if (!file[r].second.isEmpty())
                expected << QString::number(r + 1) + ' ' + file[r].second;
        QCOMPARE(outcomes, expected);
        QCOMPARE(plan.newTeams.size(), 1);
        const QVector<RiderStore::RosterRider> riders = plan.riders();
        QCOMPARE(riders.size(), 3);
        QVERIFY(riders[0].rider.Zip == "02134" && riders[0].rider.TeamCode == 1 &&
                riders[2].newTeam == 0);

        const QStringList few{"Number", " ", "First", "Last Name"};
        QCOMPARE(RosterImport::missingHeadings(RosterImport::findColumns(few), few),
                 "The file has no column headed First Name, Team. Its first row holds \"Number\", "
                 "\"First\", \"Last Name\". The columns needed are Rider Number, First Name, Last "
                 "Name and Team.");
    }
};

QTEST_MAIN(TestRules)
#include "tst_rules.moc"
