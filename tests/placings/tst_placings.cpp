// The class placings selector and the placing entry screen, driven as the secretary would.
#include "app/AppState.h"
#include "app/FrmMain.h"
#include "app/Twips.h"
#include "data/Sql.h"
#include "placings/Standings.h"
#include "support/TestProgram.h"
#include "support/Texts.h"
#include "support/WriteLock.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

using Answer = MessagePresenter::Answer;

namespace {

const QString kDuplicate = "The current placings cannot be saved. Make sure you do not have the "
                           "same person placing twice";

// Teams 1 and 2 ride in ring 1 at meet 1, team 3 in ring 2; at meet 2 team 1 rides in ring 2.
// Riders 20 and 100 (team 1), 300 (team 2) and 400 (team 3) are entered in class 4 at meet 1;
// 100 also in the relay with partner 20; rider 21 (team 1) is not entered.
void addDistrict() {
    Sql::run("INSERT INTO TblTeam (TeamCode, TeamName, Division) VALUES (1, 'Oak', 'A'),"
             " (2, 'Fox', 'A'), (3, 'Elm', 'B')");
    Sql::run("INSERT INTO TblRing (Week, RingNumber, TeamCode) VALUES (1, 1, 1), (1, 1, 2),"
             " (1, 2, 3), (2, 2, 1)");
    Sql::run("INSERT INTO TblPerson (RiderNumber, FirstName, LastName, TeamCode) VALUES"
             " ('20', 'Ann', 'Berg', 1), ('100', 'Bo', 'Cole', 1), ('21', 'Cy', 'Dunn', 1),"
             " ('300', 'Di', 'Eck', 2), ('400', 'Ed', 'Fay', 3)");
    Sql::run("INSERT INTO TblEntry (ClassNumber, Week, RiderNumber) VALUES (4, 1, '20'),"
             " (4, 1, '100'), (4, 1, '300'), (4, 1, '400'), (4, 2, '20'), (18, 1, '100'),"
             " (18, 1, '300')");
    Sql::run("INSERT INTO TblPairing (Week, RiderNumber, PartnerNumber, PartnerFirst, PartnerLast)"
             " VALUES (1, '100', '20', 'Ann', 'Berg')");
}

QWidget* openSelector(int meet = 1) {
    auto* main = new FrmMain;
    main->show();
    control<QComboBox>(main, "CbWeek")->setCurrentIndex(meet - 1);
    return click(main, "CmdRecord") && click(main, "Cmdplacings") ? window("FrmAssignments")
                                                                  : nullptr;
}

// Chooses ring and class (list positions) and presses Add Placings.
QWidget* openPlacings(QWidget* selector, int ring, int classNumber) {
    control<QComboBox>(selector, "CbRing")->setCurrentIndex(ring - 1);
    control<QComboBox>(selector, "CbClass")->setCurrentIndex(classNumber - 1);
    return click(selector, "CmdAddPlacings") ? window("FrmPlaceAssign") : nullptr;
}

QComboBox* place(QWidget* form, int place) {
    return control<QComboBox>(form, QString("CbPlacing(%1)").arg(place - 1));
}

// The chosen lines of the eight places.
QStringList places(QWidget* form) {
    QStringList out;
    for (int p = 1; p <= 8; ++p)
        out << place(form, p)->currentText();
    return out;
}

QString placingsOf(int classNumber, int ring, int week) {
    return stored("SELECT group_concat(Place || ':' || RiderNumber || ':' || Points, ' ') FROM"
                  " (SELECT * FROM TblPlacing WHERE ClassNumber = ? AND Ring = ? AND Week = ?"
                  " ORDER BY Place)",
                  {classNumber, ring, week});
}

} // namespace

class TestPlacings : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }

    void selectorChecksTheRingBeforeTheClass() {
        TestProgram program;
        AppState::NumRings = 3;
        QWidget* selector = openSelector();
        QVERIFY(selector);
        QCOMPARE(items(selector, "CbRing"), (QStringList{"1", "2", "3"}));
        QCOMPARE(items(selector, "CbClass").at(17), QString("18 - Two-Person Relay"));
        QVERIFY(click(selector, "CmdAddPlacings"));
        control<QComboBox>(selector, "CbRing")->setCurrentIndex(1);
        QVERIFY(click(selector, "CmdAddPlacings"));
        QCOMPARE(program.presenter.texts(),
                 (QStringList{"You must provide the ring number you are trying to place.",
                              "You must provide the class you are trying to place."}));
        QCOMPARE(visibleWindows(), QStringList{"FrmAssignments"});
    }

    void offeredAreTheClassesEntriesOfTheRingsTeams() {
        TestProgram program;
        addDistrict();
        QWidget* form = openPlacings(openSelector(), 1, 4);
        QVERIFY(form);
        QCOMPARE(control<QLabel>(form, "TxtClass")->text(),
                 QString("Class 4 - Novice Equitation on the Flat"));
        QCOMPARE(control<QLabel>(form, "TxtRing")->text(), QString("1"));
        // Not 400 (another ring), not 21 (not entered), in rider-number order as text.
        QCOMPARE(items(form, "CbPlacing(7)"),
                 (QStringList{"N/A", "100 - Bo Cole", "20 - Ann Berg", "300 - Di Eck"}));
        program.presenter.answer({Answer::Yes});
        QVERIFY(click(form, "CmdCancel"));
        QWidget* relay = openPlacings(window("FrmAssignments"), 1, 18);
        QVERIFY(relay);
        QCOMPARE(items(relay, "CbPlacing(0)"),
                 (QStringList{"N/A", "100 - Bo Cole and 20 - Ann Berg",
                              "300 - Di Eck and (no partner listed)"}));
    }

    void submitStoresThePlacesWithTheirPoints() {
        TestProgram program;
        addDistrict();
        Sql::run("INSERT INTO TblPlacing (ClassNumber, Ring, Week, Place, RiderNumber, Points)"
                 " VALUES (4, 1, 1, 3, '300', 6), (4, 1, 1, 8, '20', 1), (5, 1, 1, 1, '20', 8),"
                 " (4, 2, 1, 1, '400', 8), (4, 1, 2, 1, '20', 8)");
        QWidget* form = openPlacings(openSelector(), 1, 4);
        QVERIFY(form);
        QCOMPARE(places(form), (QStringList{"N/A", "N/A", "300 - Di Eck", "N/A", "N/A", "N/A",
                                            "N/A", "20 - Ann Berg"}));
        place(form, 1)->setCurrentIndex(2); // 20 first
        place(form, 8)->setCurrentIndex(0); // eighth back to N/A
        place(form, 5)->setCurrentIndex(1); // 100 fifth
        // The same rider twice is refused, whatever the places; nothing is written.
        place(form, 2)->setCurrentIndex(1);
        program.presenter.answer({Answer::Yes, Answer::Yes});
        QVERIFY(click(form, "CmdSubmit"));
        QCOMPARE(program.presenter.lastText(), kDuplicate);
        QCOMPARE(placingsOf(4, 1, 1), QString("3:300:6 8:20:1"));
        place(form, 2)->setCurrentIndex(0);
        QVERIFY(click(form, "CmdSubmit"));
        QCOMPARE(visibleWindows(), QStringList{"FrmAssignments"});
        QCOMPARE(placingsOf(4, 1, 1), QString("1:20:8 3:300:6 5:100:4"));
        // Other classes, rings and meets untouched; the selector keeps its choices.
        QCOMPARE(placingsOf(5, 1, 1) + placingsOf(4, 2, 1) + placingsOf(4, 1, 2),
                 QString("1:20:8") + "1:400:8" + "1:20:8");
        QCOMPARE(control<QComboBox>(window("FrmAssignments"), "CbClass")->currentIndex(), 3);
    }

    void storedPlaceOfARiderNoLongerOfferedShowsNobodyAndIsReported() {
        TestProgram program;
        addDistrict();
        // 400 rides in ring 2; 21 is not entered.
        Sql::run("INSERT INTO TblPlacing (ClassNumber, Ring, Week, Place, RiderNumber, Points)"
                 " VALUES (4, 1, 1, 1, '400', 8), (4, 1, 1, 2, '20', 7), (4, 1, 1, 4, '21', 5)");
        QWidget* form = openPlacings(openSelector(), 1, 4);
        QVERIFY(form);
        settle();
        QCOMPARE(places(form).mid(0, 4), (QStringList{"N/A", "20 - Ann Berg", "N/A", "N/A"}));
        QCOMPARE(program.presenter.texts(),
                 QStringList{"These stored placings are of riders no longer entered in this "
                             "class in this ring, so their places show N/A and are cleared when "
                             "the placings are submitted: First Place: rider 400; Fourth Place: "
                             "rider 21."});
    }

    void nobodyOfferedLeavesOnlyCancel() {
        TestProgram program;
        addDistrict();
        QWidget* form = openPlacings(openSelector(2), 1, 4); // team 1 rides in ring 2 at meet 2
        QVERIFY(form);
        QVERIFY(!control<QWidget>(form, "CmdSubmit")->isEnabled());
        QVERIFY(items(form, "CbPlacing(0)").isEmpty());
    }

    void saveUnderALockChangesNothing() {
        TestProgram program;
        addDistrict();
        Sql::run("INSERT INTO TblPlacing (ClassNumber, Ring, Week, Place, RiderNumber, Points)"
                 " VALUES (4, 1, 1, 1, '300', 8)");
        QWidget* form = openPlacings(openSelector(), 1, 4);
        QVERIFY(form);
        place(form, 1)->setCurrentIndex(1);
        {
            WriteLock lock(program);
            program.presenter.answer({Answer::Yes});
            QVERIFY(click(form, "CmdSubmit"));
        }
        QVERIFY2(program.presenter.lastText().contains("database is locked"),
                 qPrintable(program.presenter.lastText()));
        QCOMPARE(visibleWindows(), QStringList{"FrmPlaceAssign"});
        QCOMPARE(place(form, 1)->currentText(), QString("100 - Bo Cole"));
        QCOMPARE(placingsOf(4, 1, 1), QString("1:300:8"));
    }

    void standingsTally_data() {
        QTest::addColumn<QString>("placings"); // team:class:place, points 9 - place
        QTest::addColumn<QString>("expected"); // team: class places/points ...
        QTest::newRow("first and third in 2, second in 5") << "1:2:1 1:5:2 1:2:3"
                                                           << "1: 2 1,3/14 5 2/21";
        QTest::newRow("two rings' firsts in one cell") << "1:1:1 1:1:1"
                                                       << "1: 1 1,1/16";
        QTest::newRow("teams apart, the relay once") << "2:18:1 1:3:8 2:1:4"
                                                     << "1: 3 8/1 | 2: 1 4/5 18 1/13";
        QTest::newRow("no placings") << ""
                                     << "";
    }
    void standingsTally() {
        QFETCH(QString, placings);
        QFETCH(QString, expected);
        QVector<Standings::Placing> rows;
        for (const QString& p : placings.split(' ', Qt::SkipEmptyParts)) {
            const QStringList f = p.split(':');
            rows.push_back({f[0].toInt(), f[1].toInt(), f[2].toInt(), 9 - f[2].toInt()});
        }
        const auto tally = Standings::tally(rows);
        QList<qint32> teams = tally.keys();
        std::sort(teams.begin(), teams.end());
        QStringList out;
        for (qint32 team : teams) {
            QString line = QString::number(team) + ":";
            for (int c = 1; c <= 18; ++c) {
                const auto& row = tally[team];
                QCOMPARE(row.places[c].isEmpty(), row.points[c].isEmpty());
                if (!row.places[c].isEmpty())
                    line += QString(" %1 %2/%3").arg(c).arg(row.places[c], row.points[c]);
            }
            out << line;
        }
        QCOMPARE(out.join(" | "), expected);
    }

    void standingsGeometry_data() {
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<int>("screenHeight");
        QTest::addColumn<int>("teams");
        QTest::addColumn<QString>("expected"); // cols rows | lines | right bottom | bar maxima
        QTest::newRow("800 x 600, 20 teams")
            << 12000 << 9000 << 20 << "13 8 | 14 9 8 | 10785 7460 | 12 5";
        QTest::newRow("800 x 600, 5 teams")
            << 12000 << 9000 << 5 << "13 8 | 14 6 5 | 10785 5300 | - 5";
        QTest::newRow("1280 x 1024, 20 teams")
            << 19200 << 15360 << 20 << "25 17 | 19 18 17 | 14010 13940 | 3 -";
    }
    void standingsGeometry() {
        QFETCH(int, screenWidth);
        QFETCH(int, screenHeight);
        QFETCH(int, teams);
        QFETCH(QString, expected);
        const int w = screenWidth - 100, h = screenHeight - 600;
        const Standings::Grid g = Standings::grid(w, h, teams);
        const auto maximum = [](const Standings::Bar& b) {
            return b.shown ? QString::number(b.maximum) : QString("-");
        };
        QCOMPARE(QString("%1 %2 | %3 %4 %5 | %6 %7 | %8 %9")
                     .arg(g.colsShown)
                     .arg(g.rowsShown)
                     .arg(g.verticalLines)
                     .arg(g.horizontalLines)
                     .arg(g.middleLines)
                     .arg(g.gridRight)
                     .arg(g.gridBottom)
                     .arg(maximum(Standings::verticalBar(w, h, g.rowsShown, teams)),
                          maximum(Standings::horizontalBar(w, h, g.colsShown))),
                 expected);
    }

    void standingsShowEachTeamsPlacesAndPointsAsScrolled() {
        TestProgram program;
        AppState::ScreenWidth = 12000;
        AppState::ScreenHeight = 9000;
        // Eleven teams of division A named T01..T11, and two teams named Twin in division B.
        for (int k = 1; k <= 11; ++k)
            Sql::run("INSERT INTO TblTeam (TeamCode, TeamName, Division) VALUES (?, ?, 'A')",
                     {k, QString("T%1").arg(k, 2, 10, QChar('0'))});
        Sql::run("INSERT INTO TblTeam (TeamCode, TeamName, Division) VALUES (12, 'Twin', 'B'),"
                 " (13, 'Twin', 'B')");
        for (int k = 1; k <= 13; ++k)
            Sql::run("INSERT INTO TblPerson (RiderNumber, TeamCode) VALUES (?, ?)",
                     {QString("r%1").arg(k), k});
        const auto placed = [](int week, int ring, int classNumber, int place, int rider) {
            Sql::run("INSERT INTO TblPlacing (ClassNumber, Ring, Week, Place, RiderNumber, Points)"
                     " VALUES (?, ?, ?, ?, ?, ?)",
                     {classNumber, ring, week, place, QString("r%1").arg(rider), 9 - place});
        };
        placed(1, 1, 2, 1, 1);
        placed(1, 2, 2, 3, 1);
        placed(1, 1, 5, 2, 1);
        placed(2, 1, 5, 1, 1); // another meet
        placed(1, 1, 18, 4, 13);
        placed(1, 1, 3, 2, 12);
        placed(1, 1, 1, 1, 10);
        Sql::run("UPDATE TblPerson SET TeamCode = 11 WHERE RiderNumber = 'r10'"); // moved team
        QWidget* selector = openSelector();
        QVERIFY(selector);
        QVERIFY(click(selector, "CmdViewPoints"));
        QWidget* grid = window("FrmPointStanding");
        QVERIFY(grid);
        const auto cell = [grid](const char* array, int team, int classNumber) {
            auto* box = control<QLineEdit>(
                grid, QString("%1(%2)").arg(array).arg((team - 1) * 18 + classNumber));
            return box ? box->text() : QString("<not in view>");
        };
        QCOMPARE(control<QLabel>(grid, "LblDistrict")->text(), QString("District 7"));
        QCOMPARE(cell("TxtPlacingArray", 1, 2) + " " + cell("TxtPointArray", 1, 2),
                 QString("1,3 14"));
        QCOMPARE(cell("TxtPlacingArray", 1, 5) + " " + cell("TxtPointArray", 1, 5),
                 QString("2 21"));
        QCOMPARE(cell("TxtPointArray", 1, 3), QString());
        QCOMPARE(cell("TxtPlacingArray", 11, 1), QString("<not in view>"));
        // Scrolled to the bottom: the last teams' texts go with their teams.
        auto* bar = control<QScrollBar>(grid, "Chbvscroll");
        QCOMPARE(bar->maximum(), 5);
        bar->setValue(5);
        QCOMPARE(control<QLabel>(grid, "LblTeamArray(6)")->y(), Twips::toPixels(1750));
        QCOMPARE(cell("TxtPlacingArray", 11, 1) + " " + cell("TxtPointArray", 11, 1),
                 QString("1 8"));
        QCOMPARE(cell("TxtPlacingArray", 12, 3) + " " + cell("TxtPointArray", 12, 3),
                 QString("2 7"));
        QCOMPARE(cell("TxtPlacingArray", 13, 3) + cell("TxtPlacingArray", 12, 18),
                 QString("<not in view>")); // the other Twin placed no one
        control<QScrollBar>(grid, "Chbhscroll")->setValue(5);
        QCOMPARE(cell("TxtPlacingArray", 13, 18) + " " + cell("TxtPointArray", 13, 18),
                 QString("4 5"));
        QVERIFY(!control<QLabel>(grid, "lbltitlearray(5)")->isVisibleTo(grid));
        grid->close();
        settle();
        QCOMPARE(visibleWindows(), QStringList{"FrmAssignments"});
    }

    void standingsOfADistrictWithoutTeamsAreNotShown() {
        TestProgram program;
        QWidget* selector = openSelector();
        QVERIFY(selector);
        QVERIFY(click(selector, "CmdViewPoints"));
        QCOMPARE(program.presenter.texts(), QStringList{"This error should not be reached"});
        QCOMPARE(visibleWindows(), QStringList{"FrmAssignments"});
    }
};

QTEST_MAIN(TestPlacings)
#include "tst_placings.moc"
