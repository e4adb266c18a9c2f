// The team information screen, the team form and the coach form, driven as the secretary
// would: choosing list lines, typing, clicking buttons and answering the boxes.
#include "support/TestProgram.h"

#include "teams/FrmTeamSelect.h"

#include <QStandardPaths>

namespace {

const QString kApp = Texts::kAppTitle + ": ";
const QString kConfirm = Texts::kConfirmTitle + ": ";
const QString kDeleteTeam = kConfirm +
                            "You are about to delete the selected team and coaches assigned to "
                            "it. This action cannot be undone. Are you sure you want to continue?";
const QString kLocked = kApp + Texts::kLocked;
const QStringList kTeams{"ash hollow (D)", "Oak Ridge (C)", "Riverside (C)", "Riverside (b)"};
const QStringList kOakCoaches{"Adams, Dee - Head Coach", "Zane, Bea - Head Coach",
                              "Brown, Eli - Assistant Coach", "Young, Cal - Assistant Coach"};

// Stores four teams, two of them named Riverside (codes 2 and 3, only the second with a coach,
// its division stored in a small letter by another tool), and opens Team Information as the
// secretary does: Administration, then Team Management.
QWidget* openDistrict() {
    Sql::run("INSERT INTO TblTeam (TeamCode, TeamName, Division) VALUES (1, 'Oak Ridge', 'C'),"
             " (2, 'Riverside', 'C'), (3, 'Riverside', 'b'), (4, 'ash hollow', 'D')");
    Sql::run("INSERT INTO TblCoach (FirstName, LastName, Position, TeamCode) VALUES"
             " ('Cal', 'Young', 'Assistant Coach', 1), ('Bea', 'Zane', 'Head Coach', 1),"
             " ('Dee', 'Adams', 'Head Coach', 1), ('Eli', 'Brown', 'Assistant Coach', 1),"
             " ('Bob', 'Second', 'Head Coach', 3)");
    Sql::run("UPDATE TblCoach SET Email = 'bs@r.org' WHERE TeamCode = 3");
    return openScreen("CmdAdmin", "CmdTeam", "FrmTeamSelect");
}

// Chooses a line of the team list as a click on it does.
void chooseTeam(QWidget* select, int line) {
    control<QComboBox>(select, "CbTeam")->setCurrentIndex(line);
    emit control<QComboBox>(select, "CbTeam")->activated(line);
    settle();
}

// The cells of sheet `number` of the workbook at `path` that hold something: "A2 007" for
// text, "I2 =6" for a number.
QStringList cells(const QString& path, int number) {
    static const QRegularExpression text(R"(<t[^>]*>([^<]*)</t>)");
    static const QRegularExpression cell(
        "<c r=\"(\\w+)\"(?: s=\"\\d+\")?( t=\"s\")?><v>([^<]*)</v>");
    QStringList strings;
    for (auto m = text.globalMatch(output("unzip", {"-p", path, "xl/sharedStrings.xml"}));
         m.hasNext();)
        strings << m.next().captured(1);
    QStringList out;
    const QString sheet = QStringLiteral("xl/worksheets/sheet%1.xml").arg(number);
    for (auto m = cell.globalMatch(output("unzip", {"-p", path, sheet})); m.hasNext();) {
        const QRegularExpressionMatch c = m.next();
        out << c.captured(1) + (c.captured(2).isEmpty()
                                    ? " =" + c.captured(3)
                                    : " " + strings.value(c.captured(3).toInt()));
    }
    return out;
}

} // namespace

class TestTeams : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }

    void listsFollowTheStoredOrderWithTiesByCode() {
        TestProgram program;
        QWidget* select = openDistrict();
        QVERIFY(select);
        QCOMPARE(items(select, "CbTeam"), kTeams);
        chooseTeam(select, 3);
        QCOMPARE(items(select, "LbCoaches"), QStringList{"Second, Bob - Head Coach"});
        chooseTeam(select, 1);
        QCOMPARE(items(select, "LbCoaches"), kOakCoaches);
        // Only a line chosen from the list changes the team, never typing in its box.
        control<QComboBox>(select, "CbTeam")->setFocus();
        QTest::keyClicks(control<QComboBox>(select, "CbTeam"), "River");
        settle();
        QCOMPARE(control<QLabel>(select, "LblCurrentTeam")->text(), "Oak Ridge");
        QCOMPARE(items(select, "LbCoaches"), kOakCoaches);
        // A coach deleted leaves the list at once.
        control<QListWidget>(select, "LbCoaches")->setCurrentRow(1);
        program.presenter.answer({Answer::Yes});
        QVERIFY(click(select, "CmdDeleteCoach"));
        QCOMPARE(items(select, "LbCoaches"),
                 (QStringList{kOakCoaches[0], kOakCoaches[2], kOakCoaches[3]}));
        QCOMPARE(count("SELECT COUNT(*) FROM TblCoach WHERE LastName = 'Zane'"), 0);
    }

    void deletedTeamTakesItsCoachesAndLeavesItsRingRows_data() {
        QTest::addColumn<QString>("change"); // made to the database first
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("deleted") << "" << Answer::Yes << QStringList{kDeleteTeam};
        QTest::newRow("answered No") << "" << Answer::No << QStringList{kDeleteTeam};
        QTest::newRow("a team with riders")
            << "INSERT INTO TblPerson (RiderNumber, TeamCode) VALUES ('12', 1)" << Answer::Yes
            << QStringList{"Delete Error: You cannot delete a team that currently has riders "
                           "belonging to it"};
        QTest::newRow("team delete under a lock")
            << "" << Answer::Yes << QStringList{kDeleteTeam, kLocked};
    }
    void deletedTeamTakesItsCoachesAndLeavesItsRingRows() {
        QFETCH(QString, change);
        QFETCH(Answer, answer);
        QFETCH(QStringList, shown);
        const bool locked = shown.last() == kLocked;
        TestProgram program;
        QWidget* select = openDistrict();
        QVERIFY(select);
        Sql::run("INSERT INTO TblRing (Week, RingNumber, TeamCode) VALUES (1, 2, 1)");
        if (!change.isEmpty())
            Sql::run(change);
        chooseTeam(select, 1);
        if (shown[0] == kDeleteTeam)
            program.presenter.answer({answer});
        QVERIFY(click(select, "CmdDeleteTeam", locked ? &program : nullptr));
        QCOMPARE(program.presenter.texts(true), shown);
        const bool deleted = shown == QStringList{kDeleteTeam} && answer == Answer::Yes;
        // Left: the other team's coach and the ring rows of the deleted team.
        QCOMPARE(stored("SELECT (SELECT COUNT(*) FROM TblTeam WHERE TeamCode = 1),"
                        " (SELECT group_concat(TeamCode) FROM TblCoach),"
                        " (SELECT COUNT(*) FROM TblRing)"),
                 QString(deleted ? "0|3|1" : "1|1,1,1,1,3|1"));
        QCOMPARE(items(select, "CbTeam"),
                 (deleted ? QStringList{kTeams[0], kTeams[2], kTeams[3]} : kTeams));
        QCOMPARE(control<QLabel>(select, "LblCurrentTeam")->text(), deleted ? "" : "Oak Ridge");
        QCOMPARE(items(select, "LbCoaches"), deleted ? QStringList() : kOakCoaches);
    }

    // The whole district in one workbook, a sheet a table: rider numbers stay text, a rider
    // whose team is gone still appears, and a file that cannot be written says why.
    void exportWritesTheWholeDistrictOrSaysWhy() {
        TestProgram program;
        auto* select = qobject_cast<FrmTeamSelect*>(openDistrict());
        QVERIFY(select);
        Sql::run("INSERT INTO TblPerson (RiderNumber, FirstName, TeamCode) VALUES"
                 " ('007', 'Ann', 1), (12, 'Bo', 9)");
        Sql::run("INSERT INTO TblEntry (ClassNumber, Week, RiderNumber) VALUES (18, 1, '007')");
        Sql::run("INSERT INTO TblPairing (Week, RiderNumber, PartnerNumber) VALUES (1, '007', 12)");
        Sql::run("INSERT INTO TblPlacing (ClassNumber, Ring, Week, Place, RiderNumber, Points)"
                 " VALUES (18, 2, 1, 1, '007', 6)");
        QVERIFY(!select->exportTo(program.folder() + "/no such folder/district.xlsx"));
        QCOMPARE(program.presenter.texts(), QStringList{"The file \"" + program.folder() +
                                                        "/no such folder/district.xlsx\" could not "
                                                        "be saved: No such file or directory."});
        const QString xlsx = program.folder() + "/district.xlsx";
        QVERIFY(select->exportTo(xlsx));
        QCOMPARE(program.presenter.shown.size(), 1);
        if (QStandardPaths::findExecutable("unzip").isEmpty())
            QSKIP("unzip is not installed");
        QStringList names;
        static const QRegularExpression sheet("<sheet name=\"([^\"]*)\"");
        for (auto m = sheet.globalMatch(output("unzip", {"-p", xlsx, "xl/workbook.xml"}));
             m.hasNext();)
            names << m.next().captured(1);
        QCOMPARE(names, (QStringList{"Teams", "Coaches", "Riders", "Ring Assignments", "Entries",
                                     "Relay Pairs", "Placings"}));
        // The headings the rider import reads, then the riders by number.
        QCOMPARE(cells(xlsx, 3),
                 (QStringList{"A1 Rider Number", "B1 First Name", "C1 Last Name", "D1 Address",
                              "E1 City", "F1 Zip", "G1 Team", "H1 Division", "A2 007", "B2 Ann",
                              "G2 Oak Ridge", "H2 C", "A3 12", "B3 Bo"}));
        QCOMPARE(cells(xlsx, 7).mid(9),
                 (QStringList{"A2 =1", "B2 =2", "C2 =18", "D2 Two-Person Relay", "E2 =1", "F2 007",
                              "G2 Ann", "I2 =6"}));
    }

    void formKeepsWhatWasTypedUntilSavedOrCancelled_data() {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("opened"); // empty: every box empty
        const auto row = [](const char* name, const char* opener, const QStringList& texts,
                            const QStringList& shown, const QStringList& opened = {},
                            const char* button = "CmdSubmit") {
            QTest::newRow(name) << opener << button << texts << shown << opened;
        };
        const char* team = "CmdAddTeam";
        const char* coach = "CmdAddCoach";
        const QString save = kConfirm + Texts::kSaveQuestion;
        const QStringList rest{"", "Salem", "24153", "555-0101", "", "a@b.org"};
        const QStringList ida = QStringList{"Ida", "Vance"} + rest << "Head Coach";
        row("no name", team, {"", "B"},
            {save, "Submit Error: The Team Name box must be filled in"});
        row("no division", team, {"Elm", ""},
            {save, "Submit Error: You must select a division for this team"});
        row("no first name", coach, QStringList{"", "Vance"} + rest << "Head Coach",
            {save, "Submit Error: The First Name box must be filled in"});
        row("no position", coach, QStringList{"Ida", "Vance"} + rest << "",
            {save, "Submit Error: The Position box must have a valid entry"});
        row("team, locked", team, {"Elm", "A"}, {save, kLocked});
        row("coach, locked", coach, ida, {save, kLocked});
        row("team cancel answered no", team, {"Elm", "A"}, {kConfirm + Texts::kCancelQuestion}, {},
            "CmdCancel");
        row("coach edited", "CmdEditCoach",
            {"Bob", "Second", "", "", "", "555-0199", "", "", "Assistant Coach"}, {save},
            {"Bob", "Second", "", "", "", "", "", "bs@r.org", "Head Coach"});
        // The team of the same name as another is edited by its code. Only the exact letters
        // of a division are offered: "b" must be chosen anew.
        row("team edited", "CmdEditTeam", {"Riverside East", "A"}, {save}, {"Riverside", ""});
    }
    void formKeepsWhatWasTypedUntilSavedOrCancelled() {
        QFETCH(QString, opener);
        QFETCH(QString, button);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, opened);
        const bool locked = shown.last().contains("database is locked");
        const bool team = opener.endsWith("Team");
        TestProgram program;
        QWidget* select = openDistrict();
        QVERIFY(select);
        chooseTeam(select, 3); // the Riverside of code 3
        control<QListWidget>(select, "LbCoaches")->setCurrentRow(0);
        QVERIFY(click(select, opener));
        QWidget* form = window(team ? "FrmTeam" : "FrmCoach");
        QCOMPARE(typed(form), opened.isEmpty() ? QStringList(texts.size(), "") : opened);
        fill(form, texts);
        // The question alone is shown when it is answered No.
        program.presenter.answer({shown.size() == 1 ? Answer::No : Answer::Yes});
        QVERIFY(click(form, button, locked ? &program : nullptr));
        QCOMPARE(program.presenter.texts(true), shown);
        QCOMPARE(visibleWindows(), QStringList{form->objectName()});
        QCOMPARE(typed(form), texts);
        const QString state = "SELECT (SELECT COUNT(*) FROM TblTeam) + (SELECT COUNT(*) FROM "
                              "TblCoach), (SELECT TeamName || Division FROM TblTeam WHERE "
                              "TeamCode = 2)";
        QCOMPARE(stored(state), "9|RiversideC");
        if (shown.size() > 1 && !locked)
            return; // refused: it would be refused again
        // Answered Yes this time: a cancel closes the form; a save stores exactly what was
        // typed (empty boxes as empty text), a coach with the team chosen, in the lists.
        program.presenter.answer({Answer::Yes});
        QVERIFY(click(form, button));
        QCOMPARE(visibleWindows(), QStringList{"FrmTeamSelect"});
        const QString which = opener.startsWith("CmdAdd")
                                  ? (team ? "TeamCode > 4" : "CoachCode > 5")
                                  : (team ? "TeamCode = 3" : "CoachCode = 5");
        QCOMPARE(stored(team ? "SELECT TeamName, Division FROM TblTeam WHERE " + which
                             : "SELECT FirstName, LastName, Address, City, Zip, \"Primary\","
                               " Secondary, Email, Position FROM TblCoach WHERE TeamCode = 3"
                               " AND Address = '' AND Secondary = '' AND " +
                                   which),
                 button == "CmdCancel" ? "<none>" : texts.join('|'));
        QVERIFY(stored(state).endsWith("|RiversideC")); // the other Riverside untouched
        // Adding a team, whatever comes of it, leaves no team chosen.
        const QString chosen = opener == "CmdEditTeam" ? texts[0] : team ? "" : "Riverside";
        QCOMPARE(control<QLabel>(select, "LblCurrentTeam")->text(), chosen);
        if (!team && button == "CmdSubmit")
            QVERIFY(items(select, "LbCoaches")
                        .contains(texts[1] + ", " + texts[0] + " - " + texts.last()));
    }
};

QTEST_MAIN(TestTeams)
#include "tst_teams.moc"
