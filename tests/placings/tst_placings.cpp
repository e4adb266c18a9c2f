// The class placings selector, the placing entry screen and the point standings, driven as the
// secretary would.
#include "core/Twips.h"
#include "placings/Standings.h"
#include "support/TestProgram.h"

namespace {

// Teams 1 and 2 ride in ring 1 at meet 1, team 3 in ring 2; at meet 2 team 1 rides in ring 2,
// team 3 in ring 1.
// Riders 20 and 100 (team 1), 300 (team 2) and 400 (team 3) are entered in class 4 at meet 1;
// 100 also in the relay with partner 20; rider 21 (team 1) is entered at meet 2 only.
void addDistrict() {
    Sql::run("INSERT INTO TblTeam (TeamCode, TeamName, Division) VALUES (1, 'Oak', 'A'),"
             " (2, 'Fox', 'A'), (3, 'Elm', 'B')");
    Sql::run("INSERT INTO TblRing (Week, RingNumber, TeamCode) VALUES (1, 1, 1), (1, 1, 2),"
             " (1, 2, 3), (2, 2, 1), (2, 1, 3)");
    Sql::run("INSERT INTO TblPerson (RiderNumber, FirstName, LastName, TeamCode) VALUES"
             " ('20', 'Ann', 'Berg', 1), ('100', 'Bo', 'Cole', 1), ('21', 'Cy', 'Dunn', 1),"
             " ('300', 'Di', 'Eck', 2), ('400', 'Ed', 'Fay', 3)");
    Sql::run(
        "INSERT INTO TblEntry (ClassNumber, Week, RiderNumber) VALUES (4, 1, '20'),"
        " (4, 1, '100'), (4, 1, '300'), (4, 1, '400'), (4, 2, '20'), (4, 2, '21'), (18, 1, '100'),"
        " (18, 1, '300')");
    Sql::run("INSERT INTO TblPairing (Week, RiderNumber, PartnerNumber, PartnerFirst, PartnerLast)"
             " VALUES (1, '100', '20', 'Ann', 'Berg')");
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

    void offeredAreTheClassesEntriesOfTheRingsTeams() {
        TestProgram program(addDistrict);
        QWidget* selector = openScreen("CmdRecord", "Cmdplacings", "FrmAssignments");
        QVERIFY(selector);
        QCOMPARE(items(selector, "CbRing").join(',') + " " + items(selector, "CbClass").value(17),
                 "1,2 18 - Two-Person Relay");
        control<QComboBox>(selector, "CbRing")->setCurrentIndex(0); // no class chosen
        QVERIFY(click(selector, "CmdAddPlacings"));
        QCOMPARE(program.presenter.lastText(),
                 "You must provide the class you are trying to place.");
        QWidget* form = openPlacings(selector, 1, 4);
        QVERIFY(form);
        QCOMPARE(control<QLabel>(form, "TxtClass")->text() + " " +
                     control<QLabel>(form, "TxtRing")->text(),
                 "Class 4 - Novice Equitation on the Flat 1");
        // Not 400 (another ring at this meet), not 21 (entered at another meet), in rider-number
        // order as text.
        QCOMPARE(items(form, "CbPlacing(7)"),
                 (QStringList{"N/A", "100 - Bo Cole", "20 - Ann Berg", "300 - Di Eck"}));
        program.presenter.answer({Answer::Yes, Answer::Yes});
        QVERIFY(click(form, "CmdCancel"));
        QWidget* relay = openPlacings(selector, 1, 18);
        QVERIFY(relay);
        QCOMPARE(items(relay, "CbPlacing(0)"),
                 (QStringList{"N/A", "100 - Bo Cole and 20 - Ann Berg",
                              "300 - Di Eck and (no partner listed)"}));
        QVERIFY(click(relay, "CmdCancel"));
        // Nobody offered: only Cancel can be pressed.
        QWidget* nobody = openPlacings(selector, 2, 5);
        QVERIFY(nobody && items(nobody, "CbPlacing(0)").isEmpty() &&
                !control<QWidget>(nobody, "CmdSubmit")->isEnabled());
    }

    void placingsOfRidersNoLongerOfferedAreAnnouncedAndCleared() {
        TestProgram program(addDistrict);
        // Team 3 rode in ring 1 at meet 2 and was moved to ring 2 since: nobody is offered.
        Sql::run("UPDATE TblRing SET RingNumber = 2 WHERE Week = 2 AND TeamCode = 3");
        Sql::run("INSERT INTO TblPlacing (ClassNumber, Ring, Week, Place, RiderNumber, Points)"
                 " VALUES (4, 1, 2, 1, '400', 8), (4, 1, 2, 2, '21', 7), (4, 2, 2, 1, '20', 8)");
        QWidget* selector = openScreen("CmdRecord", "Cmdplacings", "FrmAssignments", 2);
        QWidget* form = openPlacings(selector, 1, 4);
        QVERIFY(form);
        settle();
        QVERIFY(items(form, "CbPlacing(0)").isEmpty());
        QCOMPARE(program.presenter.texts(),
                 QStringList{"No rider is entered in this class in this ring any more, but these "
                             "placings are stored and still count in the standings. Press Submit "
                             "to clear them: First Place: rider 400; Second Place: rider 21."});
        program.presenter.answer({Answer::Yes});
        QVERIFY(click(form, "CmdSubmit"));
        QCOMPARE(program.presenter.lastText(),
                 "This will clear the 2 stored places of this class in this ring. Are you sure "
                 "you want to continue?");
        QCOMPARE(placingsOf(4, 1, 2) + "|" + placingsOf(4, 2, 2), "|1:20:8");
    }

    void submitStoresThePlacesWithTheirPoints() {
        TestProgram program(addDistrict);
        Sql::run("INSERT INTO TblPlacing (ClassNumber, Ring, Week, Place, RiderNumber, Points)"
                 " VALUES (4, 1, 1, 1, '400', 8), (4, 1, 1, 3, '300', 6), (4, 1, 1, 4, '21', 5),"
                 " (4, 1, 1, 8, '20', 1), (5, 1, 1, 1, '20', 8), (4, 2, 1, 1, '400', 8),"
                 " (4, 1, 2, 1, '20', 8)");
        const QString before = placingsOf(4, 1, 1);
        QWidget* form =
            openPlacings(openScreen("CmdRecord", "Cmdplacings", "FrmAssignments"), 1, 4);
        QVERIFY(form);
        // 400 rides in ring 2 and 21 is not entered: their places show N/A, with a notice.
        QStringList places;
        for (int p = 1; p <= 8; ++p)
            places << place(form, p)->currentText();
        QCOMPARE(places, (QStringList{"N/A", "N/A", "300 - Di Eck", "N/A", "N/A", "N/A", "N/A",
                                      "20 - Ann Berg"}));
        QCOMPARE(program.presenter.texts(),
                 QStringList{"These stored placings are of riders no longer entered in this "
                             "class in this ring, so their places show N/A and are cleared when "
                             "the placings are submitted: First Place: rider 400; Fourth Place: "
                             "rider 21."});
        place(form, 1)->setCurrentIndex(2); // 20 first
        place(form, 8)->setCurrentIndex(0); // eighth back to N/A
        place(form, 5)->setCurrentIndex(1); // 100 fifth
        // The same rider twice is refused, whatever the places; then a save under another
        // program's write lock, then one that fails. Nothing is written, the form stays.
        place(form, 2)->setCurrentIndex(1);
        program.presenter.answer({Answer::Yes, Answer::Yes, Answer::Yes, Answer::Yes});
        QVERIFY(click(form, "CmdSubmit"));
        QCOMPARE(program.presenter.lastText(),
                 "The current placings cannot be saved. Make sure you do not have the "
                 "same person placing twice");
        place(form, 2)->setCurrentIndex(0);
        QVERIFY(click(form, "CmdSubmit", &program));
        QCOMPARE(program.presenter.lastText(), Texts::kLocked);
        // A write that fails after the old places were deleted leaves the old places.
        Sql::run("CREATE TEMP TRIGGER FailedWrite BEFORE INSERT ON TblPlacing"
                 " BEGIN SELECT RAISE(ABORT, 'disk I/O error'); END");
        QVERIFY(click(form, "CmdSubmit"));
        QVERIFY(program.presenter.lastText().contains("disk I/O error"));
        QCOMPARE(visibleWindows(), QStringList{"FrmPlaceAssign"});
        QCOMPARE(placingsOf(4, 1, 1), before);
        Sql::run("DROP TRIGGER FailedWrite");
        QVERIFY(click(form, "CmdSubmit"));
        QCOMPARE(visibleWindows(), QStringList{"FrmAssignments"});
        QCOMPARE(placingsOf(4, 1, 1), "1:20:8 3:300:6 5:100:4");
        // Other classes, rings and meets untouched; the selector keeps its choices.
        QCOMPARE(placingsOf(5, 1, 1) + placingsOf(4, 2, 1) + placingsOf(4, 1, 2),
                 QString("1:20:8") + "1:400:8" + "1:20:8");
        QCOMPARE(control<QComboBox>(window("FrmAssignments"), "CbClass")->currentIndex(), 3);
    }

    void standingsShowEachTeamsPlacesAndPointsAsScrolled() {
        TestProgram program;
        AppState::ScreenWidth = 12000;
        AppState::ScreenHeight = 9000;
        // Teams T01..T11 of division A and two teams named Twin of division B; rider rK in team K.
        for (int k = 1; k <= 13; ++k) {
            Sql::run("INSERT INTO TblTeam (TeamCode, TeamName, Division) VALUES (?, ?, ?)",
                     {k, k > 11 ? QString("Twin") : QString("T%1").arg(k, 2, 10, QChar('0')),
                      k > 11 ? "B" : "A"});
            Sql::run("INSERT INTO TblPerson (RiderNumber, TeamCode) VALUES (?, ?)",
                     {QString("r%1").arg(k), k});
        }
        // Meet, ring, class, place and rider, r1's third before its first; r1's second in class
        // 5 is of another meet.
        Sql::run("INSERT INTO TblPlacing (Week, Ring, ClassNumber, Place, RiderNumber, Points)"
                 " SELECT column1, column2, column3, column4, 'r' || column5, 9 - column4 FROM"
                 " (VALUES (1, 2, 2, 3, 1), (1, 1, 2, 1, 1), (1, 1, 5, 2, 1), (2, 1, 5, 1, 1),"
                 " (1, 1, 18, 4, 13), (1, 1, 3, 2, 12), (1, 1, 1, 1, 10))");
        Sql::run("UPDATE TblPerson SET TeamCode = 11 WHERE RiderNumber = 'r10'"); // moved team
        QVERIFY(click(openScreen("CmdRecord", "Cmdplacings", "FrmAssignments"), "CmdViewPoints"));
        QWidget* grid = window("FrmPointStanding");
        QVERIFY(grid);
        // The places and points of a team's cell, "-" when the cell is not in view.
        const auto cells = [grid](std::initializer_list<std::pair<int, int>> teamsAndClasses) {
            QStringList out;
            for (const auto& [team, c] : teamsAndClasses) {
                const QString index = QString("(%1)").arg((team - 1) * 18 + c);
                auto* places = control<QLineEdit>(grid, "TxtPlacingArray" + index);
                auto* points = control<QLineEdit>(grid, "TxtPointArray" + index);
                out << (places && points ? places->text() + " " + points->text() : "-");
            }
            return out.join(" | ");
        };
        QCOMPARE(control<QLabel>(grid, "LblDistrict")->text(), "District 7");
        QCOMPARE(cells({{1, 2}, {1, 5}, {1, 3}, {11, 1}}), "1,3 14 | 2 21 |   | -");
        // Scrolled to the bottom: the last teams' texts go with their teams; the other Twin
        // placed no one.
        auto* bar = control<QScrollBar>(grid, "Chbvscroll");
        QCOMPARE(bar->maximum(), 5);
        bar->setValue(5);
        QCOMPARE(control<QLabel>(grid, "LblTeamArray(6)")->y(), Twips::toPixels(1750));
        QCOMPARE(cells({{11, 1}, {12, 3}, {13, 3}, {12, 18}}), "1 8 | 2 7 |   | -");
        control<QScrollBar>(grid, "Chbhscroll")->setValue(5);
        QCOMPARE(cells({{13, 18}}), "4 5");
        QVERIFY(!control<QLabel>(grid, "lbltitlearray(5)")->isVisibleTo(grid));
        grid->close();
        settle();
        QCOMPARE(visibleWindows(), QStringList{"FrmAssignments"});
    }

    void standingsOfADistrictWithoutTeamsAreNotShown() {
        TestProgram program;
        QVERIFY(click(openScreen("CmdRecord", "Cmdplacings", "FrmAssignments"), "CmdViewPoints"));
        QCOMPARE(program.presenter.texts(), QStringList{"This error should not be reached"});
        QCOMPARE(visibleWindows(), QStringList{"FrmAssignments"});
    }
};

QTEST_MAIN(TestPlacings)
#include "tst_placings.moc"
