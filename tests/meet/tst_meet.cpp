// One whole meet through the screens, as the secretary runs it, on a district made by the
// generator: rings, class entries with relay pairs, class sheets, the placings of every class
// in every ring, the standings grid and the team standings report. Every number shown is
// checked against a count made here straight from the stored rows.
#include "app/AppState.h"
#include "data/Sql.h"
#include "reports/ReportWindow.h"
#include "support/TestProgram.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

constexpr int kRings = 2;

QString riderOf(const QString& line) {
    return line.section(" - ", 0, 0);
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
        QVERIFY(rings);
        for (int i = 1; i <= teams; ++i)
            control<QAbstractButton>(rings,
                                     QString("ObArray(%1)").arg((i - 1) * kRings + i % 2 + 1))
                ->click();
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
            QVERIFY(grid);
            for (int r = 1; control<QLabel>(grid, QString("lblrider(%1)").arg(r)); ++r) {
                for (int c = 1; c <= 17; ++c) {
                    auto* box = control<QAbstractButton>(
                        grid, QString("ChbArrayControl(%1)").arg((r - 1) * 18 + c));
                    if ((r + c + t) % 3 == 0 && box->isEnabled())
                        box->click();
                }
            }
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

        // Class sheets of every class in every ring.
        QVERIFY(click(entries, "CmdReports"));
        QWidget* generator = window("FrmDataReports");
        QVERIFY(generator);
        QHash<QString, QStringList> sheets; // "ring/class": rider numbers
        for (int ring = 1; ring <= kRings; ++ring) {
            for (int c = 1; c <= 18; ++c) {
                control<QComboBox>(generator, "CbRing")->setCurrentIndex(ring - 1);
                control<QComboBox>(generator, "CbClass")->setCurrentIndex(c - 1);
                QVERIFY(click(generator, "CmdViewReport"));
                auto* sheet = ReportWindow::find(c == 18 ? Reports::Kind::ClassEntries18
                                                         : Reports::Kind::ClassEntries);
                QVERIFY(sheet);
                for (const Report::Row& row : sheet->rows())
                    sheets[QString("%1/%2").arg(ring).arg(c)]
                        << row.value("RiderNumber").toString();
            }
        }
        generator->close();
        entries->close();
        settle();

        // Placings: the riders offered are exactly those on the class sheet; the first eight of
        // them are placed in turn.
        QWidget* selector = openScreen("CmdRecord", "Cmdplacings", "FrmAssignments");
        QVERIFY(selector);
        for (int ring = 1; ring <= kRings; ++ring) {
            for (int c = 1; c <= 18; ++c) {
                control<QComboBox>(selector, "CbRing")->setCurrentIndex(ring - 1);
                control<QComboBox>(selector, "CbClass")->setCurrentIndex(c - 1);
                QVERIFY(click(selector, "CmdAddPlacings"));
                QWidget* placing = window("FrmPlaceAssign");
                QVERIFY(placing);
                QStringList offered;
                for (const QString& line : items(placing, "CbPlacing(0)").mid(1))
                    offered << riderOf(line);
                QCOMPARE(offered, sheets.value(QString("%1/%2").arg(ring).arg(c)));
                for (int p = 0; p < std::min<int>(8, int(offered.size())); ++p)
                    control<QComboBox>(placing, QString("CbPlacing(%1)").arg(p))
                        ->setCurrentIndex(p + 1);
                if (offered.isEmpty()) {
                    placing->close();
                    settle();
                    continue;
                }
                program.presenter.answer({Answer::Yes});
                QVERIFY(click(placing, "CmdSubmit"));
            }
        }
        QVERIFY(count("SELECT COUNT(*) FROM TblPlacing WHERE Week = 1") > 100);

        // The standings grid, cell by cell, against the stored rows.
        QVERIFY(click(selector, "CmdViewPoints"));
        QWidget* standings = window("FrmPointStanding");
        QVERIFY(standings);
        QSqlQuery order =
            Sql::run("SELECT TeamCode FROM TblTeam ORDER BY Division, TeamName, TeamCode");
        const QString placed =
            " FROM TblPlacing AS p JOIN TblPerson AS r ON r.RiderNumber = p.RiderNumber"
            " WHERE p.Week = 1 AND r.TeamCode = ?";
        for (int t = 1; order.next(); ++t) {
            const int code = order.value(0).toInt();
            for (int k = 1; k <= 18; ++k) {
                const QString places =
                    stored("SELECT ifnull(group_concat(Place), '') FROM (SELECT p.Place" + placed +
                               " AND p.ClassNumber = ? ORDER BY p.Place)",
                           {code, k});
                const QString points =
                    places.isEmpty()
                        ? QString()
                        : stored("SELECT SUM(p.Points)" + placed + " AND p.ClassNumber <= ?",
                                 {code, k});
                const int n = (t - 1) * 18 + k;
                QCOMPARE(
                    control<QLineEdit>(standings, QString("TxtPlacingArray(%1)").arg(n))->text(),
                    places);
                QCOMPARE(control<QLineEdit>(standings, QString("TxtPointArray(%1)").arg(n))->text(),
                         points);
            }
        }

        // The team standings report: every team, in order, with its season's points.
        QWidget* main = window("FrmMain");
        QVERIFY(click(main, "CmdReports") && click(main, "CmdStandingsRpt"));
        auto* report = ReportWindow::find(Reports::Kind::TeamStandings);
        QVERIFY(report);
        QStringList printed;
        for (const QString& line : Report::trace(report->pages()).split('\n'))
            if (line.contains(" GroupFooter ") && !line.contains("Total Points"))
                printed << line.section('"', 1, 1);
        QStringList expected;
        QSqlQuery totals = Sql::run("SELECT (SELECT ifnull(SUM(p.Points), 0) FROM TblPlacing AS p"
                                    " JOIN TblPerson AS r ON r.RiderNumber = p.RiderNumber"
                                    " WHERE r.TeamCode = t.TeamCode) FROM TblTeam AS t"
                                    " ORDER BY t.Division, t.TeamName, t.TeamCode");
        while (totals.next())
            expected << totals.value(0).toString();
        QCOMPARE(printed, expected);
        report->close();
    }
};

QTEST_MAIN(TestMeet)
#include "tst_meet.moc"
