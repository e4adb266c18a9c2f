// One whole meet through the screens, as the secretary runs it, on a district made by the
// generator: rings, class entries with relay pairs, class sheets, the placings of every class
// in every ring, the standings grid and the team standings report. Every number shown is
// checked against a count made here straight from the stored rows.
#include "support/TestProgram.h"

#include <QProcess>

namespace {

constexpr int kRings = 2;

// Chooses the ring and the class on `form` and presses `button`.
bool choose(QWidget* form, int ring, int classNumber, const char* button) {
    control<QComboBox>(form, "CbRing")->setCurrentIndex(ring - 1);
    control<QComboBox>(form, "CbClass")->setCurrentIndex(classNumber - 1);
    return click(form, button);
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
                                        "--meets", "0", "--seed", "5"});
        QVERIFY(district.waitForFinished(60000) && district.exitCode() == 0);
        program.openDatabase();
        AppState::NumRings = kRings;
        AppState::ScreenWidth = 19200; // the whole standings grid in view
        AppState::ScreenHeight = 15360;
        const int teams = count("SELECT COUNT(*) FROM TblTeam");
        QCOMPARE(count("SELECT COUNT(DISTINCT Division) FROM TblTeam"), 4);

        // Rings: the teams in turn to ring 1 and ring 2.
        QWidget* rings = openScreen("CmdRecord", "CmdRing", "FrmRingAssign");
        for (int i = 1; i <= teams; ++i)
            QVERIFY(click(rings, QString("ObArray(%1)").arg((i - 1) * kRings + i % 2 + 1)));
        program.presenter.answer({Answer::Yes});
        QVERIFY(click(rings, "CmdSubmit"));
        QCOMPARE(count("SELECT COUNT(*) FROM TblRing WHERE Week = 1"), teams);

        // Entries: every team enters some riders in each class, within its limits, and its first
        // rider in the relay with its second as partner.
        QWidget* entries = openScreen("CmdRecord", "CmdEntry", "FrmEntries");
        QVERIFY(entries);
        for (int t = 0; t < teams; ++t) {
            control<QComboBox>(entries, "CbTeamName")->setCurrentIndex(t);
            QVERIFY(click(entries, "CmdSubmit"));
            QWidget* grid = window("frmClassAssignments");
            for (int r = 1; control<QLabel>(grid, QString("lblrider(%1)").arg(r)); ++r)
                for (int c = 3 - (r + t) % 3; c <= 17; c += 3) // each box that is open
                    click(grid, QString("ChbArrayControl(%1)").arg((r - 1) * 18 + c));
            if (auto* second = control<QLabel>(grid, "lblrider(2)")) {
                control<QAbstractButton>(grid, "ChbArrayControl(18)")->click();
                control<QComboBox>(grid, "Cbpartner(1)")
                    ->setEditText(second->text().section("(", -1).chopped(1));
            }
            program.presenter.answer({Answer::Yes});
            QVERIFY(click(grid, "CmdApply"));
            QCOMPARE(visibleWindows(), QStringList{"FrmEntries"});
        }
        QVERIFY(
            program.presenter.texts().filter(QRegularExpression("^(?!This will save)")).isEmpty());

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
                    sheets[ring * 100 + c] << row.value("RiderNumber").toString();
            }
        generator->close();
        entries->close();
        settle();

        // Placings: the riders offered are exactly those on the class sheet; the first eight of
        // them are placed in turn.
        QWidget* selector = openScreen("CmdRecord", "Cmdplacings", "FrmAssignments");
        for (int ring = 1; ring <= kRings; ++ring)
            for (int c = 1; c <= 18; ++c) {
                QVERIFY(choose(selector, ring, c, "CmdAddPlacings"));
                QWidget* placing = window("FrmPlaceAssign");
                QVERIFY(placing);
                QStringList offered = items(placing, "CbPlacing(0)").mid(1);
                offered.replaceInStrings(QRegularExpression(" - .*"), ""); // the rider numbers
                QCOMPARE(offered, sheets.value(ring * 100 + c));
                for (int p = 0; p < std::min<int>(8, int(offered.size())); ++p)
                    control<QComboBox>(placing, QString("CbPlacing(%1)").arg(p))
                        ->setCurrentIndex(p + 1);
                if (!offered.isEmpty())
                    program.presenter.answer({Answer::Yes});
                QVERIFY(offered.isEmpty() ? placing->close() : click(placing, "CmdSubmit"));
            }
        QVERIFY(count("SELECT COUNT(*) FROM TblPlacing WHERE Week = 1") > 100);

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
    }
};

QTEST_MAIN(TestMeet)
#include "tst_meet.moc"
