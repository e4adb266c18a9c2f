// The team information screen, the team form and the coach form, driven as the secretary
// would: choosing list lines, typing, clicking buttons and answering the boxes.
#include "app/FrmMain.h"
#include "app/Messages.h"
#include "data/Sql.h"
#include "support/TestProgram.h"
#include "support/Texts.h"
#include "support/WriteLock.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <optional>

using Answer = MessagePresenter::Answer;

namespace {

const QString kNoCoachToEdit = "You must first select the coach you want to edit.";
const QString kNoDivision = "You must select a division for this team";
const QString kDeleteCoach = "Clicking OK will delete the selected Coach and cannot be undone. Are "
                             "you sure you want to continue?";
const QString kDeleteTeam = "You are about to delete the selected team and coaches assigned to "
                            "it. This action cannot be undone. Are you sure you want to continue?";
const QStringList kTeams{"ash hollow (D)", "Oak Ridge (C)", "Riverside (C)", "Riverside (B)"};
const QStringList kOakCoaches{"Adams, Dee - Head Coach", "Zane, Bea - Head Coach",
                              "Brown, Eli - Assistant Coach", "Young, Cal - Assistant Coach"};

// Stores four teams, two of them named Riverside (codes 2 and 3, only the second with a coach),
// and opens Team Information as the secretary does: Administration, then Team Management.
QWidget* openDistrict() {
    Sql::run("INSERT INTO TblTeam (TeamCode, TeamName, Division) VALUES (1, 'Oak Ridge', 'C'),"
             " (2, 'Riverside', 'C'), (3, 'Riverside', 'B'), (4, 'ash hollow', 'D')");
    Sql::run("INSERT INTO TblCoach (FirstName, LastName, Position, TeamCode) VALUES"
             " ('Cal', 'Young', 'Assistant Coach', 1), ('Bea', 'Zane', 'Head Coach', 1),"
             " ('Dee', 'Adams', 'Head Coach', 1), ('Eli', 'Brown', 'Assistant Coach', 1),"
             " ('Bob', 'Second', 'Head Coach', 3)");
    auto* main = new FrmMain;
    main->show();
    return click(main, "CmdAdmin") && click(main, "CmdTeam") ? window("FrmTeamSelect") : nullptr;
}

QString currentTeam(QWidget* select) {
    return control<QLabel>(select, "LblCurrentTeam")->text();
}

// Chooses a line of the team list as a click on it does.
void chooseTeam(QWidget* select, int line) {
    control<QComboBox>(select, "CbTeam")->setCurrentIndex(line);
    emit control<QComboBox>(select, "CbTeam")->activated(line);
    settle();
}

void chooseCoach(QWidget* select, int line) {
    control<QListWidget>(select, "LbCoaches")->setCurrentRow(line);
}

// What the team or coach form holds: its text boxes, in the order the form makes them, then
// the chosen line of its list (the division or the position), "" when none is chosen.
QStringList typed(QWidget* form) {
    QStringList out;
    for (const QLineEdit* box :
         form->findChildren<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly))
        out << box->text();
    return out << form->findChild<QComboBox*>()->currentText();
}

// Types `texts` into the form's boxes and chooses the line of its list named by the last text.
void fill(QWidget* form, const QStringList& texts) {
    const auto boxes = form->findChildren<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
    for (int k = 0; k < boxes.size(); ++k)
        boxes.at(k)->setText(texts.value(k));
    auto* list = form->findChild<QComboBox*>();
    list->setCurrentIndex(list->findText(texts.value(boxes.size())));
}

} // namespace

class TestTeams : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }

    void listsFollowTheStoredOrderAndComeBackRefreshed() {
        TestProgram program;
        QWidget* select = openDistrict();
        QVERIFY(select);
        QCOMPARE(items(select, "CbTeam"), kTeams);
        QCOMPARE(currentTeam(select), QString());
        chooseTeam(select, 3);
        QCOMPARE(items(select, "LbCoaches"), QStringList{"Second, Bob - Head Coach"});
        chooseTeam(select, 1);
        QCOMPARE(items(select, "LbCoaches"), kOakCoaches);
        // Only a line chosen from the list changes the team, never typing in its box.
        control<QComboBox>(select, "CbTeam")->setFocus();
        QTest::keyClicks(control<QComboBox>(select, "CbTeam"), "River");
        settle();
        QCOMPARE(currentTeam(select), QStringLiteral("Oak Ridge"));
        QCOMPARE(items(select, "LbCoaches"), kOakCoaches);
        // Back from another application nothing is rebuilt; back from another window of the
        // program the lists are, keeping the team.
        Sql::run("INSERT INTO TblTeam (TeamName, Division) VALUES ('Willow Bend', 'A')");
        QEvent deactivate(QEvent::WindowDeactivate);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(select, &deactivate);
        QApplication::sendEvent(select, &activate);
        QCOMPARE(items(select, "CbTeam"), kTeams);
        QWidget other;
        other.show();
        QApplication::sendEvent(&other, &deactivate);
        QApplication::sendEvent(select, &activate);
        QCOMPARE(items(select, "CbTeam"), kTeams + QStringList{"Willow Bend (A)"});
        QCOMPARE(currentTeam(select), QStringLiteral("Oak Ridge"));
    }

    void selectScreenRefusesWithoutAChoiceAndAsksBeforeDeleting() {
        TestProgram program;
        QWidget* select = openDistrict();
        QVERIFY(select);
        program.presenter.answer({Answer::No, Answer::No}); // to the two delete questions
        for (const char* button : {"CmdEditTeam", "CmdDeleteTeam", "CmdAddCoach"})
            QVERIFY(click(select, button));
        chooseTeam(select, 1);
        for (const char* button : {"CmdEditCoach", "CmdDeleteCoach", "CmdDeleteTeam"})
            QVERIFY(click(select, button));
        chooseCoach(select, 1);
        QVERIFY(click(select, "CmdDeleteCoach"));
        chooseTeam(select, 3); // the coach chosen before is not one of this team's
        QVERIFY(click(select, "CmdEditCoach"));
        Sql::run("INSERT INTO TblPerson (RiderNumber, TeamCode) VALUES ('12', 3)");
        QVERIFY(click(select, "CmdDeleteTeam"));
        const QString app = Texts::kAppTitle + ": ";
        const QString confirm = Texts::kConfirmTitle + ": ";
        QCOMPARE(
            boxesShown(program.presenter),
            (QStringList{"Edit Error: You must select a team before you can edit it",
                         "Delete Error: You must select a team to Delete",
                         app + "You must first select the team you want to add the coach to.",
                         app + kNoCoachToEdit, "Delete Error: You must select a coach to delete",
                         confirm + kDeleteTeam, confirm + kDeleteCoach, app + kNoCoachToEdit,
                         "Delete Error: You cannot delete a team that currently has riders "
                         "belonging to it"}));
        QCOMPARE(visibleWindows(), QStringList{"FrmTeamSelect"});
        QCOMPARE(count("SELECT (SELECT COUNT(*) FROM TblTeam) + (SELECT COUNT(*) FROM TblCoach)"),
                 9);
    }

    void deletedTeamTakesItsCoachesAndLeavesItsRingRows() {
        TestProgram program;
        QWidget* select = openDistrict();
        QVERIFY(select);
        Sql::run("INSERT INTO TblRing (Week, RingNumber, TeamCode) VALUES (1, 2, 1)");
        chooseTeam(select, 1);
        chooseCoach(select, 1);
        program.presenter.answer({Answer::Yes, Answer::Yes});
        QVERIFY(click(select, "CmdDeleteCoach"));
        QCOMPARE(items(select, "LbCoaches"),
                 (QStringList{kOakCoaches.at(0), kOakCoaches.at(2), kOakCoaches.at(3)}));
        QVERIFY(click(select, "CmdDeleteTeam"));
        QCOMPARE(program.presenter.texts(), (QStringList{kDeleteCoach, kDeleteTeam}));
        // Left: the other team's coach and the ring rows of the deleted team.
        QCOMPARE(stored("SELECT (SELECT COUNT(*) FROM TblTeam WHERE TeamCode = 1),"
                        " (SELECT group_concat(TeamCode) FROM TblCoach),"
                        " (SELECT COUNT(*) FROM TblRing)"),
                 QStringLiteral("0|3|1"));
        QCOMPARE(items(select, "CbTeam"), (QStringList{kTeams.at(0), kTeams.at(2), kTeams.at(3)}));
        QCOMPARE(currentTeam(select), QString());
        QVERIFY(items(select, "LbCoaches").isEmpty());
    }

    void teamDeleteUnderALockKeepsTheTeamAndItsCoaches() {
        TestProgram program;
        QWidget* select = openDistrict();
        QVERIFY(select);
        chooseTeam(select, 1);
        program.presenter.answer({Answer::Yes});
        {
            WriteLock lock(program);
            QVERIFY(click(select, "CmdDeleteTeam"));
        }
        QVERIFY2(program.presenter.lastText().contains("database is locked"),
                 qPrintable(program.presenter.lastText()));
        QCOMPARE(stored("SELECT (SELECT COUNT(*) FROM TblTeam WHERE TeamCode = 1),"
                        " (SELECT COUNT(*) FROM TblCoach WHERE TeamCode = 1)"),
                 QStringLiteral("1|4"));
        QCOMPARE(currentTeam(select), QStringLiteral("Oak Ridge"));
    }

    void formKeepsWhatWasTypedUntilSavedOrCancelled_data() {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("shown");
        const auto row = [](const char* name, const char* opener, const char* button,
                            const QStringList& texts, const QStringList& shown) {
            QTest::newRow(name) << opener << button << texts << shown;
        };
        const char* team = "CmdAddTeam";
        const char* coach = "CmdAddCoach";
        const char* submit = "CmdSubmit";
        const QString save = Texts::kConfirmTitle + ": " + Texts::kSaveQuestion;
        const QString cancel = Texts::kConfirmTitle + ": " + Texts::kCancelQuestion;
        const QStringList rest{"", "Salem", "24153", "555-0101", "", "a@b.org"};
        const QStringList ida = QStringList{"Ida", "Vance"} + rest << "Head Coach";
        const QString noName = "Submit Error: The Team Name box must be filled in";
        const QString noFirst = "Submit Error: The First Name box must be filled in";
        const QString locked =
            Texts::kAppTitle +
            ": The database could not complete this action: database is locked.\n\nNothing was "
            "changed.";
        row("team answered no", team, submit, {"Elm", "A"}, {save});
        row("no name", team, submit, {"", "B"}, {save, noName});
        row("no division", team, submit, {"Elm", ""}, {save, "Submit Error: " + kNoDivision});
        row("neither, only the name", team, submit, {"", ""}, {save, noName});
        row("no first name", coach, submit, QStringList{"", "Vance"} + rest << "Head Coach",
            {save, noFirst});
        row("no names, only the first", coach, submit, QStringList{"", ""} + rest << "",
            {save, noFirst});
        row("no last name", coach, submit, QStringList{"Ida", ""} + rest << "",
            {save, "Submit Error: The Last Name box must be filled in"});
        row("no position", coach, submit, QStringList{"Ida", "Vance"} + rest << "",
            {save, "Submit Error: The Position box must have a valid entry"});
        row("team, locked", team, submit, {"Elm", "A"}, {save, locked});
        row("coach, locked", coach, submit, ida, {save, locked});
        row("team cancel answered no", team, "CmdCancel", {"Elm", "A"}, {cancel});
        row("coach cancel answered no", coach, "CmdCancel", ida, {cancel});
    }
    void formKeepsWhatWasTypedUntilSavedOrCancelled() {
        QFETCH(QString, opener);
        QFETCH(QString, button);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, shown);
        const bool locked = shown.last().contains("database is locked");
        TestProgram program;
        QWidget* select = openDistrict();
        QVERIFY(select);
        chooseTeam(select, 2); // the Riverside of code 2
        QVERIFY(click(select, opener));
        QWidget* form = window(opener == "CmdAddTeam" ? "FrmTeam" : "FrmCoach");
        fill(form, texts);
        // The question alone is shown when it is answered No.
        program.presenter.answer({shown.size() == 1 ? Answer::No : Answer::Yes});
        std::optional<WriteLock> lock;
        if (locked)
            lock.emplace(program);
        QVERIFY(click(form, button));
        lock.reset();
        QCOMPARE(boxesShown(program.presenter), shown);
        QCOMPARE(visibleWindows(), QStringList{form->objectName()});
        QCOMPARE(typed(form), texts);
        QCOMPARE(count("SELECT (SELECT COUNT(*) FROM TblTeam) + (SELECT COUNT(*) FROM TblCoach)"),
                 9);
        if (shown.size() > 1 && !locked)
            return; // refused: it would be refused again
        // Answered Yes this time: a cancel closes the form; a save stores exactly what was
        // typed (empty boxes as empty text), a coach with the team chosen (code 2).
        program.presenter.answer({Answer::Yes});
        QVERIFY(click(form, button));
        QCOMPARE(visibleWindows(), QStringList{"FrmTeamSelect"});
        const QString added =
            opener == "CmdAddTeam"
                ? "SELECT TeamName, Division FROM TblTeam WHERE TeamCode > 4"
                : "SELECT FirstName, LastName, Address, City, Zip, \"Primary\", Secondary, Email,"
                  " Position FROM TblCoach WHERE CoachCode > 5 AND TeamCode = 2"
                  " AND Address = '' AND Secondary = ''";
        QCOMPARE(stored(added), button == "CmdCancel" ? "<none>" : texts.join('|'));
        // Adding a team, whatever comes of it, leaves no team chosen.
        QCOMPARE(currentTeam(select), opener == "CmdAddTeam" ? QString() : QString("Riverside"));
    }

    void editsOpenWithWhatIsStoredAndWriteTheSameRow() {
        TestProgram program;
        QWidget* select = openDistrict();
        QVERIFY(select);
        Sql::run("UPDATE TblCoach SET Email = 'bs@r.org' WHERE TeamCode = 3");
        chooseTeam(select, 3);
        chooseCoach(select, 0);
        QVERIFY(click(select, "CmdEditCoach"));
        QWidget* form = window("FrmCoach");
        QVERIFY(form);
        QCOMPARE(typed(form),
                 (QStringList{"Bob", "Second", "", "", "", "", "", "bs@r.org", "Head Coach"}));
        fill(form, {"Bob", "Second", "", "", "", "555-0199", "", "", "Assistant Coach"});
        program.presenter.answer({Answer::Yes});
        QVERIFY(click(form, "CmdSubmit"));
        QCOMPARE(stored("SELECT TeamCode, \"Primary\", Email, Position FROM TblCoach"
                        " WHERE FirstName = 'Bob'"),
                 QStringLiteral("3|555-0199||Assistant Coach"));
        // The team of the same name as another is edited by its code.
        QVERIFY(click(select, "CmdEditTeam"));
        form = window("FrmTeam");
        QVERIFY(form);
        QCOMPARE(typed(form), (QStringList{"Riverside", "B"}));
        fill(form, {"Riverside East", "A"});
        program.presenter.answer({Answer::Yes});
        QVERIFY(click(form, "CmdSubmit"));
        QCOMPARE(
            stored("SELECT (SELECT TeamName || ' ' || Division FROM TblTeam WHERE TeamCode = 2),"
                   " (SELECT TeamName || ' ' || Division FROM TblTeam WHERE TeamCode = 3)"),
            QStringLiteral("Riverside C|Riverside East A"));
        QCOMPARE(currentTeam(select), QStringLiteral("Riverside East"));
        QCOMPARE(items(select, "LbCoaches"), QStringList{"Second, Bob - Assistant Coach"});
        // Only the exact letters are offered: "c" must be chosen anew before a save.
        Sql::run("UPDATE TblTeam SET Division = 'c' WHERE TeamCode = 3");
        QVERIFY(click(select, "CmdEditTeam"));
        form = window("FrmTeam");
        QVERIFY(form);
        QCOMPARE(typed(form), (QStringList{"Riverside East", ""}));
        program.presenter.answer({Answer::Yes});
        QVERIFY(click(form, "CmdSubmit"));
        QCOMPARE(program.presenter.lastText(), kNoDivision);
        QCOMPARE(visibleWindows(), QStringList{"FrmTeam"});
    }
};

QTEST_MAIN(TestTeams)
#include "tst_teams.moc"
