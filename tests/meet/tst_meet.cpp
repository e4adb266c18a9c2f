// One whole meet, as the generator makes it through the stores the screens save with, read
// back through the screens: the class sheets of every class in every ring, the riders the
// placing screen offers, the standings grid, and the team standings, meet results and rider
// standings reports. Every number shown is checked against a count made here straight from the
// stored rows.
#include "support/TestProgram.h"

#include <QProcess>
#include <QSqlDriver>
#include <sqlite3.h>

namespace {

constexpr int kRings = 2;

// Chooses the ring and the class on `form` and presses `button`.
bool choose(QWidget* form, int ring, int classNumber, const char* button) {
    control<QComboBox>(form, "CbRing")->setCurrentIndex(ring - 1);
    control<QComboBox>(form, "CbClass")->setCurrentIndex(classNumber - 1);
    return click(form, button);
}

// Keeps every statement the program runs, with its values in place.
int traced(unsigned, void* statements, void* statement, void*) {
    if (char* sql = sqlite3_expanded_sql(static_cast<sqlite3_stmt*>(statement))) {
        static_cast<QStringList*>(statements)->append(QString::fromUtf8(sql));
        sqlite3_free(sql);
    }
    return 0;
}

} // namespace

class TestMeet : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }

    void aWholeMeet() {
        TestProgram program(false);
        QProcess district;
        district.start(COLTS_DISTRICT, {program.folder(), "--teams", "12", "--riders", "62",
                                        "--meets", "1", "--seed", "5"}); // in 2 rings
        QVERIFY(district.waitForFinished(60000) && district.exitCode() == 0);
        program.openDatabase();
        AppState::NumRings = kRings;
        AppState::ScreenWidth = 19200; // the whole standings grid in view
        AppState::ScreenHeight = 15360;
        QCOMPARE(count("SELECT COUNT(DISTINCT Division) FROM TblTeam"), 4);
        sqlite3* handle = *static_cast<sqlite3* const*>(Sql::db().driver()->handle().data());
        QStringList statements;
        sqlite3_trace_v2(handle, SQLITE_TRACE_STMT, traced, &statements);
        QVERIFY(count("SELECT COUNT(*) FROM TblPlacing WHERE Week = 1") > 100);

        QWidget* entries = openScreen("CmdRecord", "CmdEntry", "FrmEntries");
        QVERIFY(entries);
        // Class sheets of every class in every ring: their rider numbers, by ring and class.
        QVERIFY(click(entries, "CmdReports"));
        QWidget* generator = window("FrmDataReports");
        QHash<int, QStringList> sheets;
        for (int ring = 1; ring <= kRings; ++ring)
            for (int c = 1; c <= 18; ++c) {
                QVERIFY(choose(generator, ring, c, "CmdViewReport"));
                auto* sheet = ReportWindow::find(c == 18 ? Reports::Kind::ClassEntries18
                                                         : Reports::Kind::ClassEntries);
                QVERIFY(sheet);
                for (const Report::Row& row : sheet->rows())
                    sheets[ring * 100 + c] << row.value("Rider Number").toString();
            }
        generator->close();
        entries->close();
        settle();

        // Placings: the riders offered are exactly those on the class sheet.
        QWidget* selector = openScreen("CmdRecord", "Cmdplacings", "FrmAssignments");
        for (int ring = 1; ring <= kRings; ++ring)
            for (int c = 1; c <= 18; ++c) {
                QVERIFY(choose(selector, ring, c, "CmdAddPlacings"));
                QWidget* placing = window("FrmPlaceAssign");
                QVERIFY(placing);
                QStringList offered = items(placing, "CbPlacing(0)").mid(1);
                offered.replaceInStrings(QRegularExpression(" - .*"), ""); // the rider numbers
                QCOMPARE(offered, sheets.value(ring * 100 + c));
                QVERIFY(placing->close());
                settle();
            }
        QVERIFY(program.presenter.shown.isEmpty());

        // The standings grid, cell by cell, against the stored rows: the places of the team's
        // riders in the class, and its points up to the class.
        QVERIFY(click(selector, "CmdViewPoints"));
        QWidget* standings = window("FrmPointStanding");
        QVERIFY(standings);
        QSqlQuery order =
            Sql::run("SELECT TeamCode FROM TblTeam ORDER BY Division, TeamName, TeamCode");
        const QString placed =
            " FROM TblPlacing AS p JOIN TblPerson AS r ON r.RiderNumber = p.RiderNumber"
            " WHERE p.Week = 1 AND r.TeamCode = ? AND p.ClassNumber ";
        for (int t = 1; order.next(); ++t)
            for (int k = 1; k <= 18; ++k) {
                const QVariantList team{order.value(0), k};
                const QString places =
                    stored("SELECT ifnull(group_concat(Place), '') FROM (SELECT p.Place" + placed +
                               "= ? ORDER BY p.Place)",
                           team);
                const QString points =
                    places.isEmpty() ? "" : stored("SELECT SUM(p.Points)" + placed + "<= ?", team);
                const QString n = QString("(%1)").arg((t - 1) * 18 + k);
                QCOMPARE(control<QLineEdit>(standings, "TxtPlacingArray" + n)->text() + " / " +
                             control<QLineEdit>(standings, "TxtPointArray" + n)->text(),
                         places + " / " + points);
            }

        // The team standings report: every team, in order, with its season's points.
        auto* report = qobject_cast<ReportWindow*>(
            openScreen("CmdReports", "CmdStandingsRpt", "RptTeamStandings"));
        QVERIFY(report);
        QCOMPARE(printed(report->pages(), "GroupFooter").remove("Total Points: "),
                 stored("SELECT group_concat(total, ' ') FROM (SELECT (SELECT"
                        " ifnull(SUM(p.Points), 0) FROM TblPlacing AS p JOIN TblPerson AS r"
                        " ON r.RiderNumber = p.RiderNumber WHERE r.TeamCode = t.TeamCode) AS total"
                        " FROM TblTeam AS t ORDER BY t.Division, t.TeamName, t.TeamCode)"));

        // The meet results: every stored place in ring, class and place order, and each class
        // of a ring without a place once, with its note.
        auto* results = qobject_cast<ReportWindow*>(
            openScreen("CmdReports", "CmdMeetResults", "RptMeetResults"));
        QVERIFY(results);
        QStringList lines;
        for (const Report::Row& row : results->rows())
            if (!row.value("Place").isNull())
                lines << QStringList{row.value("Ring").toString(), row.value("Class").toString(),
                                     row.value("Place").toString(),
                                     row.value("Rider Number").toString(),
                                     row.value("Points").toString()}
                             .join('/');
        QCOMPARE(lines.join(' '),
                 stored("SELECT group_concat(x, ' ') FROM (SELECT Ring || '/' || ClassNumber ||"
                        " '/' || Place || '/' || RiderNumber || '/' || Points AS x FROM TblPlacing"
                        " WHERE Week = 1 ORDER BY Ring, ClassNumber, Place)"));
        QCOMPARE(results->rows().size() - lines.size(),
                 kRings * 18 - count("SELECT COUNT(DISTINCT Ring * 100 + ClassNumber)"
                                     " FROM TblPlacing WHERE Week = 1"));

        // The rider standings: each rider's points outside the relay, and a place one more than
        // the riders of the division with more.
        auto* riders = qobject_cast<ReportWindow*>(
            openScreen("CmdReports", "CmdRiderStandings", "RptRiderStandings"));
        QVERIFY(riders);
        QStringList totals;
        QHash<QString, QList<int>> division;
        for (const Report::Row& row : riders->rows()) {
            const int total = row.value("Total").toInt();
            QList<int>& above = division[row.value("Division").toString()];
            QCOMPARE(row.value("Place").toInt(),
                     1 + int(std::count_if(above.begin(), above.end(),
                                           [total](int t) { return t > total; })));
            above << total;
            totals << row.value("Rider Number").toString() + '/' + QString::number(total);
        }
        totals.sort();
        QCOMPARE(totals.join(' '),
                 stored("SELECT group_concat(x, ' ') FROM (SELECT p.RiderNumber || '/' ||"
                        " SUM(p.Points) AS x FROM TblPlacing AS p JOIN TblPerson AS r"
                        " ON r.RiderNumber = p.RiderNumber WHERE p.ClassNumber < 18"
                        " GROUP BY p.RiderNumber ORDER BY x)"));

        // Every query of the screens and reports above finds the riders, entries and relay
        // pairings it needs by an index: none reads through a table that grows with the district,
        // nor through all the entries or pairings of a meet. (The placings are bounded by meets,
        // rings and classes.)
        sqlite3_trace_v2(handle, 0, nullptr, nullptr);
        statements.removeDuplicates();
        QVERIFY(statements.size() > 30);
        static const QRegularExpression scan("^SCAN (TblPerson|TblEntry|TblPairing)\\b|^SEARCH "
                                             "(TblEntry|TblPairing) .*\\(Week=\\?\\)$");
        QStringList scans;
        for (const QString& sql : statements) {
            if (!sql.startsWith("SELECT") && !sql.startsWith("WITH"))
                continue;
            QSqlQuery plan = Sql::run("EXPLAIN QUERY PLAN " + sql);
            while (plan.next())
                if (scan.match(plan.value(3).toString()).hasMatch())
                    scans << plan.value(3).toString() + " in: " + sql;
        }
        QCOMPARE(scans.join("\n"), QString());
    }
};

QTEST_MAIN(TestMeet)
#include "tst_meet.moc"
