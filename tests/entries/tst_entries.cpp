// The team entries form and the class entry grid: its geometry, the class limits, the relay
// checks and the rows it writes, driven as the secretary would.
#include "app/AppState.h"
#include "app/FrmMain.h"
#include "data/Backups.h"
#include "data/DatabaseFile.h"
#include "data/Sql.h"
#include "entries/EntryGrid.h"
#include "support/TestProgram.h"
#include "support/Texts.h"
#include "support/WriteLock.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QSqlQuery>
#include <QTest>

using Answer = MessagePresenter::Answer;
using namespace EntryGrid;

namespace {

const QString kNoPartner =
    "All riders entered in the 2 Person Relay must have a relay partner listed";
const QString kTwoTeams = "One rider cannot be involved in two different 2 Person Relay Teams";

// Team 1 (Oak Ridge) with riders 100, 20, a1 and b1 (in that order as text), team 2 (Fox Run)
// with riders 300 and 301.
void addDistrict() {
    Sql::run("INSERT INTO TblTeam (TeamCode, TeamName, Division) VALUES (1, 'Oak Ridge', 'B'),"
             " (2, 'Fox Run', 'A')");
    Sql::run("INSERT INTO TblPerson (RiderNumber, FirstName, LastName, TeamCode) VALUES"
             " ('20', 'Ann', 'Berg', 1), ('100', 'Bo', 'Cole', 1), ('b1', 'Cy', 'Dunn', 1),"
             " ('a1', 'Di', 'Eck', 1), ('300', 'Ed', 'Fay', 2), ('301', 'Flo', 'Gill', 2)");
}

// Opens the grid of team `team` (a line of the team list) at meet `meet` as the secretary does.
QWidget* openGrid(int team, int meet = 1) {
    auto* main = new FrmMain;
    main->show();
    control<QComboBox>(main, "CbWeek")->setCurrentIndex(meet - 1);
    if (!click(main, "CmdRecord") || !click(main, "CmdEntry"))
        return nullptr;
    QWidget* entries = window("FrmEntries");
    control<QComboBox>(entries, "CbTeamName")->setCurrentIndex(team);
    return click(entries, "CmdSubmit") ? window("frmClassAssignments") : nullptr;
}

QAbstractButton* box(QWidget* grid, int row, int classNumber) {
    return control<QAbstractButton>(grid,
                                    QString("ChbArrayControl(%1)").arg(boxIndex(row, classNumber)));
}

QComboBox* partner(QWidget* grid, int row) {
    return control<QComboBox>(grid, QString("Cbpartner(%1)").arg(row));
}

// The boxes of a class from the first row down: "x" checked, "." free, "-" closed.
QString column(QWidget* grid, int classNumber, int rows = 4) {
    QString out;
    for (int r = 1; r <= rows; ++r) {
        QAbstractButton* b = box(grid, r, classNumber);
        out += b->isChecked() ? 'x' : b->isEnabled() ? '.' : '-';
    }
    return out;
}

// The entries and pairings of a meet, in the order they were written.
QString rowsOf(int week) {
    return stored("SELECT (SELECT group_concat(RiderNumber || ':' || ClassNumber, ' ') FROM"
                  " (SELECT * FROM TblEntry WHERE Week = ? ORDER BY rowid)),"
                  " (SELECT group_concat(RiderNumber || '+' || PartnerNumber || ' ' ||"
                  " ifnull(PartnerFirst, '') || ' ' || ifnull(PartnerLast, ''), ', ') FROM"
                  " (SELECT * FROM TblPairing WHERE Week = ? ORDER BY rowid))",
                  {week, week});
}

} // namespace

class TestEntries : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }

    void gridGeometry_data() {
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<int>("screenHeight");
        QTest::addColumn<int>("riders");
        QTest::addColumn<QString>("expected");
        // columns rows | vertical lines, horizontal lines, their ends | bar maxima (- hidden)
        QTest::newRow("800 x 600, 5 riders")
            << 12000 << 9000 << 5 << "14 8 | 14 6 11035 4750 | - 5";
        QTest::newRow("800 x 600, 20 riders")
            << 12000 << 9000 << 20 << "14 8 | 14 9 11035 6550 | 12 5";
        QTest::newRow("1024 x 768, 20 riders")
            << 15360 << 11520 << 20 << "20 13 | 19 14 14035 9550 | 7 -";
    }
    void gridGeometry() {
        QFETCH(int, screenWidth);
        QFETCH(int, screenHeight);
        QFETCH(int, riders);
        QFETCH(QString, expected);
        const int w = screenWidth - 100, h = screenHeight - 600;
        const Capacity c = capacity(w, h, riders);
        const Bar v = verticalBar(w, h, c.visibleRows, riders);
        const Bar across = horizontalBar(w, h, c.visibleColumns);
        const auto maximum = [](const Bar& b) {
            return b.shown ? QString::number(b.maximum) : "-";
        };
        QCOMPARE(QString("%1 %2 | %3 %4 %5 %6 | %7 %8")
                     .arg(c.visibleColumns)
                     .arg(c.visibleRows)
                     .arg(c.verticalLines)
                     .arg(c.horizontalLines)
                     .arg(c.horizontalLineRight)
                     .arg(c.verticalLineBottom)
                     .arg(maximum(v), maximum(across)),
                 expected);
    }

    void viewAfterScrolling() {
        const Capacity c = capacity(11900, 8400, 20);
        const View end = view(c, 20, 5, 12);
        QCOMPARE(QString("%1-%2 %3-%4")
                     .arg(end.firstColumn)
                     .arg(end.lastColumn)
                     .arg(end.firstRow)
                     .arg(end.lastRow),
                 QString("6-19 13-20"));
        QCOMPARE(cellLeft(19, end), 10560);
        QCOMPARE(cellTop(13, end), 1875);
        const Buttons b = buttons(11900, 8400);
        QCOMPARE(QString("%1 %2 %3").arg(b.applyLeft).arg(b.cancelLeft).arg(b.top),
                 QString("3058.5 7024.5 7125"));
        QCOMPARE(QString("%1 %2 %3 %4")
                     .arg(boxIndex(3, 18))
                     .arg(rowOfBox(54))
                     .arg(classOfBox(54))
                     .arg(classOfBox(55)),
                 QString("54 3 18 1"));
        QCOMPARE(QString("%1 %2 %3")
                     .arg(roundHalfEven(13.5))
                     .arg(roundHalfEven(12.5))
                     .arg(roundHalfEven(12.51)),
                 QString("14 12 13"));
    }

    void entriesFormRefusesWithoutATeamOrRiders() {
        TestProgram program;
        Sql::run("INSERT INTO TblTeam (TeamCode, TeamName, Division) VALUES (1, 'Empty', 'A')");
        QVERIFY(!openGrid(-1));
        QVERIFY(click(window("FrmEntries"), "CmdSubmit")); // no team chosen
        control<QComboBox>(window("FrmEntries"), "CbTeamName")->setCurrentIndex(0);
        QVERIFY(click(window("FrmEntries"), "CmdSubmit"));
        QCOMPARE(program.presenter.texts(),
                 (QStringList{"Please Provide the Team to be Entered",
                              "Please Provide the Team to be Entered",
                              "There are currently no riders for the selected team."}));
        QCOMPARE(visibleWindows(), QStringList{"FrmEntries"});
    }

    void classLimitClosesTheColumnAndOpensItAgain() {
        TestProgram program;
        addDistrict();
        Sql::run("UPDATE TblClass SET MaxEntries = 0 WHERE ClassNumber = 7");
        Sql::run("INSERT INTO TblEntry (ClassNumber, Week, RiderNumber) VALUES (5, 1, '100'),"
                 " (5, 1, '20'), (5, 2, 'a1')");
        QWidget* grid = openGrid(1);
        QVERIFY(grid);
        QCOMPARE(column(grid, 5), QString("xx--")); // stored entries count on opening
        box(grid, 1, 5)->click();
        QCOMPARE(column(grid, 5), QString(".x.."));
        box(grid, 4, 5)->click();
        QCOMPARE(column(grid, 5), QString("-x-x"));
        // A class of no entries: open until a box is checked, then closed for good.
        QCOMPARE(column(grid, 7), QString("...."));
        box(grid, 2, 7)->click();
        QCOMPARE(column(grid, 7), QString("-x--"));
        box(grid, 2, 7)->click();
        QCOMPARE(column(grid, 7), QString("----"));
    }

    void relayChecksStopAtTheFirstProblem_data() {
        QTest::addColumn<QStringList>("partners"); // rows 1 to 4; "-" for a row not in the relay
        QTest::addColumn<QString>("message");
        QTest::newRow("no partner") << QStringList{"", "a1", "-", "-"} << kNoPartner;
        QTest::newRow("a repeat before an empty one")
            << QStringList{"b1", "", "B1", "-"} << kTwoTeams;
        QTest::newRow("the same rider in other letters")
            << QStringList{"b1", "-", "-", "B1"} << kTwoTeams;
        QTest::newRow("an entered rider as partner")
            << QStringList{"a1", "20", "-", "-"} << kTwoTeams;
        QTest::newRow("the rider himself") << QStringList{"100", "-", "-", "-"} << kTwoTeams;
        QTest::newRow("no such rider")
            << QStringList{"zz", "-", "-", "-"}
            << "The relay partner \"zz\" listed for rider 100 is not a rider of the district. "
               "Choose a rider number from the list.";
        QTest::newRow("entered for another team")
            << QStringList{"300", "-", "-", "-"}
            << "Rider 300 is entered in the 2 Person Relay for another team at this meet, so "
               "rider 100 cannot name them as partner.";
        QTest::newRow("another team's partner")
            << QStringList{"-", "301", "-", "-"}
            << "Rider 301 is already the relay partner of rider 300 of another team at this "
               "meet, so rider 20 cannot name them as partner.";
        QTest::newRow("named by another team's pair")
            << QStringList{"-", "-", "b1", "-"}
            << "Rider a1 is already the relay partner of rider 301 of another team at this meet, "
               "so rider a1 cannot be entered in the 2 Person Relay.";
    }
    void relayChecksStopAtTheFirstProblem() {
        QFETCH(QStringList, partners);
        QFETCH(QString, message);
        TestProgram program;
        addDistrict();
        Sql::run("UPDATE TblClass SET MaxEntries = 4 WHERE ClassNumber = 18");
        Sql::run("INSERT INTO TblEntry (ClassNumber, Week, RiderNumber) VALUES (18, 1, '300')");
        Sql::run(
            "INSERT INTO TblPairing (Week, RiderNumber, PartnerNumber) VALUES (1, '300', '301'),"
            " (1, '301', 'a1')");
        const QString before = rowsOf(1);
        QWidget* grid = openGrid(1);
        QVERIFY(grid);
        for (int r = 1; r <= 4; ++r) {
            if (partners[r - 1] == "-")
                continue;
            box(grid, r, 18)->click();
            partner(grid, r)->setEditText(partners[r - 1]);
        }
        program.presenter.answer({Answer::Yes});
        QVERIFY(click(grid, "CmdApply"));
        QCOMPARE(program.presenter.texts().mid(1), QStringList{message});
        QCOMPARE(visibleWindows(), QStringList{"frmClassAssignments"});
        QCOMPARE(rowsOf(1), before);
    }

    void submitReplacesTheTeamsRowsOfTheMeetOnly() {
        TestProgram program;
        addDistrict();
        Sql::run("INSERT INTO TblEntry (ClassNumber, Week, RiderNumber) VALUES (3, 1, '20'),"
                 " (18, 1, '20'), (2, 2, '20'), (4, 1, '300')");
        Sql::run("INSERT INTO TblPairing (Week, RiderNumber, PartnerNumber) VALUES (1, '20', 'a1'),"
                 " (2, '20', 'a1'), (1, '301', 'b1')");
        QWidget* grid = openGrid(1);
        QVERIFY(grid);
        QVERIFY(box(grid, 2, 18)->isChecked());
        QCOMPARE(partner(grid, 2)->currentText(), QString("a1"));
        QVERIFY(partner(grid, 2)->isEnabled() && !partner(grid, 1)->isEnabled());
        box(grid, 2, 18)->click(); // out of the relay: the list is cleared and closed
        QVERIFY(!partner(grid, 2)->isEnabled() && partner(grid, 2)->currentText().isEmpty());
        for (const auto& [row, c] : {std::pair{4, 1}, {1, 18}, {1, 2}, {4, 3}})
            box(grid, row, c)->click();
        partner(grid, 1)->setEditText("A1"); // stored as a1, with a1's names
        // No, then Cancel answered No: nothing written, the grid as it was.
        program.presenter.answer({Answer::No, Answer::No, Answer::Yes});
        QVERIFY(click(grid, "CmdApply"));
        QVERIFY(click(grid, "CmdCancel"));
        QCOMPARE(rowsOf(1), QString("20:3 20:18 300:4|20+a1  , 301+b1  "));
        QVERIFY(click(grid, "CmdApply"));
        QCOMPARE(program.presenter.texts().at(2),
                 "This will save all the changes made to this form. There are currently 5 "
                 "entries for this team. Are you sure you want to continue?");
        QCOMPARE(visibleWindows(), QStringList{"FrmEntries"});
        QCOMPARE(rowsOf(1), QString("300:4 100:2 100:18 20:3 b1:1 b1:3|301+b1  , 100+a1 Di Eck"));
        QCOMPARE(rowsOf(2), QString("20:2|20+a1  "));
        // Back on the team entries form with the same team chosen.
        QCOMPARE(control<QComboBox>(window("FrmEntries"), "CbTeamName")->currentText(),
                 QString("Oak Ridge"));
    }

    void saveUnderALockKeepsTheDatabaseAndTheGrid() {
        TestProgram program;
        addDistrict();
        QWidget* grid = openGrid(1);
        QVERIFY(grid);
        box(grid, 3, 9)->click();
        {
            WriteLock lock(program);
            program.presenter.answer({Answer::Yes});
            QVERIFY(click(grid, "CmdApply"));
        }
        QVERIFY2(program.presenter.lastText().contains("database is locked"),
                 qPrintable(program.presenter.lastText()));
        QCOMPARE(visibleWindows(), QStringList{"frmClassAssignments"});
        QCOMPARE(column(grid, 9), QString("..x."));
        QCOMPARE(rowsOf(1), QString("|"));
    }

    void keyboardEntersATeam() {
        TestProgram program;
        AppState::ScreenWidth = 12000;
        AppState::ScreenHeight = 9000;
        addDistrict();
        for (int k = 0; k < 12; ++k)
            Sql::run("INSERT INTO TblPerson (RiderNumber, TeamCode) VALUES (?, 1)",
                     {QString("z%1").arg(k, 2, 10, QChar('0'))});
        QWidget* grid = openGrid(1);
        QVERIFY(grid);
        // Rows and classes beyond the view are not shown until scrolled to.
        QVERIFY(!control<QWidget>(grid, "lblrider(16)")->isVisibleTo(grid));
        QVERIFY(!box(grid, 16, 1)->isVisibleTo(grid) && !box(grid, 1, 15)->isVisibleTo(grid));
        grid->activateWindow();
        box(grid, 1, 13)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        for (int k = 0; k < 2; ++k)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        for (int k = 0; k < 8; ++k)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(box(grid, 1, 13)->isChecked() && box(grid, 9, 15)->isChecked());
        QCOMPARE(QApplication::focusWidget(), box(grid, 9, 15));
        // The view followed the focus: class 15 and row 9 are in view.
        QCOMPARE(control<QScrollBar>(grid, "Chbhscroll")->value(), 1);
        QCOMPARE(control<QScrollBar>(grid, "Chbvscroll")->value(), 1);
        QVERIFY(box(grid, 9, 15)->isVisibleTo(grid) && !box(grid, 1, 15)->isVisibleTo(grid));
    }

    void classTableOutOfOrderKeepsTheGridClosed() {
        TestProgram program;
        addDistrict();
        Sql::run("DELETE FROM TblClass WHERE ClassNumber = 4");
        QVERIFY(!openGrid(1));
        QVERIFY(program.presenter.lastText().startsWith("The class entry grid cannot be opened"));
        QCOMPARE(visibleWindows(), QStringList{"FrmEntries"});
    }

    void olderDatabaseIsCopiedThenUpgraded_data() {
        QTest::addColumn<bool>("twoPairsNameOnePartner");
        QTest::newRow("upgraded") << false;
        QTest::newRow("cannot be upgraded") << true;
    }
    void olderDatabaseIsCopiedThenUpgraded() {
        QFETCH(bool, twoPairsNameOnePartner);
        TestProgram program;
        Sql::run("DROP INDEX IdxPairingWeekRider");
        Sql::run("DROP INDEX IdxPairingWeekPartner");
        Sql::run("PRAGMA user_version = 1");
        Sql::run("INSERT INTO TblPairing (Week, RiderNumber, PartnerNumber) VALUES (1, '1', '9')");
        if (twoPairsNameOnePartner)
            Sql::run(
                "INSERT INTO TblPairing (Week, RiderNumber, PartnerNumber) VALUES (1, '2', '9')");
        program.closeDatabase();
        QFile file(program.databasePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        const QString error = DatabaseFile::open(program.databasePath(), "upgraded");
        QCOMPARE(Backups::existing(program.databasePath()).size(), 1);
        if (twoPairsNameOnePartner) {
            QVERIFY2(error.contains("could not be brought up to date"), qPrintable(error));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), before);
            return;
        }
        QCOMPARE(error, QString());
        QSqlQuery q = Sql::run(QSqlDatabase::database("upgraded"), "PRAGMA user_version");
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 2);
        DatabaseFile::close("upgraded");
    }
};

QTEST_MAIN(TestEntries)
#include "tst_entries.moc"
