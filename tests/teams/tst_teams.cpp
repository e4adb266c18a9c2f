// The team information screen, the team form and the coach form, driven as the secretary
// would: choosing list lines, typing, clicking buttons and answering the boxes.
#include "app/FrmMain.h"
#include "app/Messages.h"
#include "data/Sql.h"
#include "support/TestProgram.h"
#include "support/WriteLock.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

using Answer = MessagePresenter::Answer;

namespace {

const QString kSelectTeamToEdit = QStringLiteral("You must select a team before you can edit it");
const QString kSelectTeamToDelete = QStringLiteral("You must select a team to Delete");
const QString kTeamHasRiders =
    QStringLiteral("You cannot delete a team that currently has riders belonging to it");
const QString kDeleteTeamQuestion = QStringLiteral(
    "You are about to delete the selected team and coaches assigned to it. This action cannot "
    "be undone. Are you sure you want to continue?");
const QString kSelectTeamForCoach =
    QStringLiteral("You must first select the team you want to add the coach to.");
const QString kSelectCoachToEdit =
    QStringLiteral("You must first select the coach you want to edit.");
const QString kSelectCoachToDelete = QStringLiteral("You must select a coach to delete");
const QString kDeleteCoachQuestion = QStringLiteral(
    "Clicking OK will delete the selected Coach and cannot be undone. Are you sure you want to "
    "continue?");

qint32 addTeam(const QString& name, const QString& division = QStringLiteral("A")) {
    return Sql::run("INSERT INTO TblTeam (TeamName, Division) VALUES (?, ?)", {name, division})
        .lastInsertId()
        .toInt();
}

qint32 addCoach(qint32 team, const QString& first, const QString& last,
                const QString& position = QStringLiteral("Head Coach")) {
    return Sql::run("INSERT INTO TblCoach (FirstName, LastName, Address, City, Zip, \"Primary\","
                    " Secondary, Email, Position, TeamCode)"
                    " VALUES (?, ?, '', '', '', '', '', '', ?, ?)",
                    {first, last, position, team})
        .lastInsertId()
        .toInt();
}

// Opens Team Information as the secretary does: Administration, then Team Management.
QWidget* openTeams() {
    auto* main = new FrmMain;
    main->show();
    if (!click(main, "CmdAdmin") || !click(main, "CmdTeam"))
        return nullptr;
    return window("FrmTeamSelect");
}

QStringList lines(QComboBox* combo) {
    QStringList out;
    for (int k = 0; k < combo->count(); ++k)
        out << combo->itemText(k);
    return out;
}

QStringList teamLines(QWidget* form) {
    return lines(control<QComboBox>(form, "CbTeam"));
}

QStringList coachLines(QWidget* form) {
    QStringList out;
    auto* list = control<QListWidget>(form, "LbCoaches");
    for (int k = 0; k < list->count(); ++k)
        out << list->item(k)->text();
    return out;
}

QString currentTeam(QWidget* form) {
    return control<QLabel>(form, "LblCurrentTeam")->text();
}

// Chooses a line of the team list as a click on it does.
void chooseTeam(QWidget* form, int line) {
    auto* combo = control<QComboBox>(form, "CbTeam");
    combo->setCurrentIndex(line);
    emit combo->activated(line);
    settle();
}

void chooseCoach(QWidget* form, int line) {
    control<QListWidget>(form, "LbCoaches")->setCurrentRow(line);
}

void typeTeam(QWidget* form, const QString& name, int division) {
    control<QLineEdit>(form, "TxtTeam")->setText(name);
    control<QComboBox>(form, "CbDivision")->setCurrentIndex(division);
}

const QStringList kCoachBoxes{"TxtFirst", "TxtLast",    "TxtAddress",   "TxtCity",
                              "TxtZip",   "TxtPrimary", "TxtSecondary", "TxtEmail"};

void typeCoach(QWidget* form, const QStringList& texts, int position) {
    for (int k = 0; k < kCoachBoxes.size(); ++k)
        control<QLineEdit>(form, kCoachBoxes.at(k))->setText(texts.value(k));
    control<QComboBox>(form, "CbPosition")->setCurrentIndex(position);
}

QStringList coachTexts(QWidget* form) {
    QStringList out;
    for (const QString& name : kCoachBoxes)
        out << control<QLineEdit>(form, name)->text();
    return out;
}

} // namespace

class TestTeams : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }

    void screensOpenAndReturnAsDesigned() {
        TestProgram program;
        addCoach(addTeam("Riverside", "B"), "Ann", "Berg");
        QWidget* select = openTeams();
        QVERIFY(select);
        QCOMPARE(visibleWindows(), QStringList{"FrmTeamSelect"});
        QCOMPARE(select->windowTitle(), QStringLiteral("Team Information"));
        QCOMPARE(select->size(), QSize(607, 312));
        QCOMPARE(currentTeam(select), QString());
        chooseTeam(select, 0);
        QVERIFY(click(select, "CmdEditTeam"));
        QWidget* teamForm = window("FrmTeam");
        QCOMPARE(visibleWindows(), QStringList{"FrmTeam"});
        QCOMPARE(lines(control<QComboBox>(teamForm, "CbDivision")),
                 (QStringList{"A", "B", "C", "D"}));
        teamForm->close();
        settle();
        chooseCoach(select, 0);
        QVERIFY(click(select, "CmdEditCoach"));
        QWidget* coachForm = window("FrmCoach");
        QCOMPARE(coachForm->windowTitle(), QStringLiteral("Coach Entry Form"));
        // Tab runs through the boxes, then the position, skipping the labels between them.
        const QStringList tabs = kCoachBoxes + QStringList{"CbPosition", "CmdSubmit", "CmdCancel"};
        QCOMPARE(tabVisits(coachForm, "TxtFirst"), tabs);
        coachForm->close();
        settle();
        QCOMPARE(visibleWindows(), QStringList{"FrmTeamSelect"});
        select->close();
        settle();
        QCOMPARE(visibleWindows(), QStringList{"FrmMain"});
        QVERIFY(program.presenter.shown.isEmpty());
    }

    void listsFollowTheStoredOrder() {
        TestProgram program;
        const qint32 oak = addTeam("Oak Ridge", "C");
        addTeam("Brook Farm", "A");
        addTeam("ash hollow", "D");
        addCoach(oak, "Cal", "Young", "Assistant Coach");
        addCoach(oak, "Bea", "Zane", "Head Coach");
        addCoach(oak, "Dee", "Adams", "Head Coach");
        addCoach(oak, "Eli", "Brown", "Assistant Coach");
        QWidget* select = openTeams();
        QCOMPARE(teamLines(select),
                 (QStringList{"ash hollow (D)", "Brook Farm (A)", "Oak Ridge (C)"}));
        QCOMPARE(control<QComboBox>(select, "CbTeam")->currentIndex(), -1);
        chooseTeam(select, 2);
        QCOMPARE(currentTeam(select), QStringLiteral("Oak Ridge"));
        QCOMPARE(coachLines(select),
                 (QStringList{"Adams, Dee - Head Coach", "Zane, Bea - Head Coach",
                              "Brown, Eli - Assistant Coach", "Young, Cal - Assistant Coach"}));
        // A team without coaches shows its name and an empty list.
        chooseTeam(select, 1);
        QCOMPARE(currentTeam(select), QStringLiteral("Brook Farm"));
        QVERIFY(coachLines(select).isEmpty());
    }

    void typingInTheTeamBoxDoesNotChangeTheTeam() {
        TestProgram program;
        const qint32 oak = addTeam("Oak Ridge");
        addTeam("Pine Hill");
        addCoach(oak, "Bea", "Zane");
        QWidget* select = openTeams();
        chooseTeam(select, 0);
        auto* combo = control<QComboBox>(select, "CbTeam");
        combo->setFocus();
        QTest::keyClicks(combo, "Pine");
        settle();
        QCOMPARE(currentTeam(select), QStringLiteral("Oak Ridge"));
        QCOMPARE(coachLines(select), QStringList{"Zane, Bea - Head Coach"});
    }

    void teamsOfTheSameNameAreToldApartByTheirLine() {
        TestProgram program;
        const qint32 first = addTeam("Riverside", "B");
        const qint32 second = addTeam("Riverside", "B");
        addCoach(first, "Ann", "First");
        addCoach(second, "Bob", "Second");
        QWidget* select = openTeams();
        QCOMPARE(teamLines(select), (QStringList{"Riverside (B)", "Riverside (B)"}));
        chooseTeam(select, 1);
        QCOMPARE(coachLines(select), QStringList{"Second, Bob - Head Coach"});
        QVERIFY(click(select, "CmdEditTeam"));
        QWidget* form = window("FrmTeam");
        typeTeam(form, "Riverside East", 2);
        QVERIFY(click(form, "CmdSubmit"));
        QCOMPARE(stored("SELECT TeamName, Division FROM TblTeam WHERE TeamCode = ?", {second}),
                 QStringLiteral("Riverside East|C"));
        QCOMPARE(stored("SELECT TeamName, Division FROM TblTeam WHERE TeamCode = ?", {first}),
                 QStringLiteral("Riverside|B"));
        // Back on the screen the edited team is the current one again.
        QCOMPARE(teamLines(select), (QStringList{"Riverside (B)", "Riverside East (C)"}));
        QCOMPARE(currentTeam(select), QStringLiteral("Riverside East"));
        QCOMPARE(coachLines(select), QStringList{"Second, Bob - Head Coach"});
    }

    void buttonsNeedAChoiceFirst_data() {
        QTest::addColumn<bool>("teamChosen");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("edit team") << false << "CmdEditTeam" << kSelectTeamToEdit << "Edit Error";
        QTest::newRow("delete team")
            << false << "CmdDeleteTeam" << kSelectTeamToDelete << "Delete Error";
        QTest::newRow("add coach")
            << false << "CmdAddCoach" << kSelectTeamForCoach << Messages::kAppTitle;
        QTest::newRow("edit coach")
            << true << "CmdEditCoach" << kSelectCoachToEdit << Messages::kAppTitle;
        QTest::newRow("delete coach")
            << true << "CmdDeleteCoach" << kSelectCoachToDelete << "Delete Error";
    }
    void buttonsNeedAChoiceFirst() {
        QFETCH(bool, teamChosen);
        QFETCH(QString, button);
        QFETCH(QString, text);
        QFETCH(QString, title);
        TestProgram program;
        const qint32 oak = addTeam("Oak Ridge");
        addCoach(oak, "Bea", "Zane");
        QWidget* select = openTeams();
        if (teamChosen)
            chooseTeam(select, 0);
        QVERIFY(click(select, button));
        QCOMPARE(program.presenter.texts(), QStringList{text});
        QCOMPARE(program.presenter.lastTitle(), title);
        QCOMPARE(program.presenter.shown.last().kind, MessageRequest::Kind::Notice);
        QCOMPARE(visibleWindows(), QStringList{"FrmTeamSelect"});
        QCOMPARE(count("SELECT COUNT(*) FROM TblCoach"), 1);
    }

    void choosingAnotherTeamDropsTheCoachChoice() {
        TestProgram program;
        const qint32 oak = addTeam("Oak Ridge");
        addTeam("Pine Hill");
        addCoach(oak, "Bea", "Zane");
        QWidget* select = openTeams();
        chooseTeam(select, 0);
        chooseCoach(select, 0);
        chooseTeam(select, 1);
        QVERIFY(click(select, "CmdEditCoach"));
        QCOMPARE(program.presenter.texts(), QStringList{kSelectCoachToEdit});
    }

    void deleteCoachKeepsTheTeamChosen() {
        TestProgram program;
        const qint32 oak = addTeam("Oak Ridge");
        const qint32 pine = addTeam("Pine Hill");
        addCoach(oak, "Bea", "Zane");
        addCoach(oak, "Dee", "Adams");
        addCoach(pine, "Fay", "Adams");
        QWidget* select = openTeams();
        chooseTeam(select, 0);
        chooseCoach(select, 1);
        program.presenter.answer({Answer::No});
        QVERIFY(click(select, "CmdDeleteCoach"));
        QCOMPARE(count("SELECT COUNT(*) FROM TblCoach"), 3);
        QVERIFY(click(select, "CmdDeleteCoach"));
        QCOMPARE(program.presenter.texts(),
                 (QStringList{kDeleteCoachQuestion, kDeleteCoachQuestion}));
        QCOMPARE(program.presenter.lastTitle(), Messages::kConfirmTitle);
        QCOMPARE(stored("SELECT group_concat(LastName || ' ' || FirstName) FROM TblCoach"),
                 QStringLiteral("Adams Dee,Adams Fay"));
        QCOMPARE(currentTeam(select), QStringLiteral("Oak Ridge"));
        QCOMPARE(coachLines(select), QStringList{"Adams, Dee - Head Coach"});
        program.presenter.clear();
        QVERIFY(click(select, "CmdEditCoach"));
        QCOMPARE(program.presenter.texts(), QStringList{kSelectCoachToEdit});
    }

    void teamWithRidersIsNotDeleted() {
        TestProgram program;
        const qint32 oak = addTeam("Oak Ridge");
        addCoach(oak, "Bea", "Zane");
        Sql::run("INSERT INTO TblPerson (RiderNumber, FirstName, LastName, TeamCode)"
                 " VALUES ('12', 'Ada', 'Moss', ?)",
                 {oak});
        QWidget* select = openTeams();
        chooseTeam(select, 0);
        QVERIFY(click(select, "CmdDeleteTeam"));
        QCOMPARE(program.presenter.texts(), QStringList{kTeamHasRiders});
        QCOMPARE(program.presenter.lastTitle(), QStringLiteral("Delete Error"));
        QCOMPARE(count("SELECT COUNT(*) FROM TblTeam"), 1);
        QCOMPARE(count("SELECT COUNT(*) FROM TblCoach"), 1);
        QCOMPARE(currentTeam(select), QStringLiteral("Oak Ridge"));
    }

    void teamDeleteTakesItsCoachesAndLeavesRingRows() {
        TestProgram program;
        const qint32 oak = addTeam("Oak Ridge");
        const qint32 pine = addTeam("Pine Hill");
        addCoach(oak, "Bea", "Zane");
        addCoach(oak, "Cal", "Young", "Assistant Coach");
        addCoach(pine, "Fay", "Adams");
        Sql::run("INSERT INTO TblRing (Week, RingNumber, TeamCode) VALUES (1, 2, ?)", {oak});
        QWidget* select = openTeams();
        chooseTeam(select, 0);
        program.presenter.answer({Answer::No});
        QVERIFY(click(select, "CmdDeleteTeam"));
        QCOMPARE(count("SELECT COUNT(*) FROM TblTeam"), 2);
        QVERIFY(click(select, "CmdDeleteTeam"));
        QCOMPARE(program.presenter.texts(),
                 (QStringList{kDeleteTeamQuestion, kDeleteTeamQuestion}));
        QCOMPARE(count("SELECT COUNT(*) FROM TblTeam WHERE TeamCode = ?", {oak}), 0);
        QCOMPARE(count("SELECT COUNT(*) FROM TblCoach WHERE TeamCode = ?", {oak}), 0);
        QCOMPARE(count("SELECT COUNT(*) FROM TblCoach WHERE TeamCode = ?", {pine}), 1);
        QCOMPARE(count("SELECT COUNT(*) FROM TblRing WHERE TeamCode = ?", {oak}), 1);
        QCOMPARE(teamLines(select), QStringList{"Pine Hill (A)"});
        QCOMPARE(currentTeam(select), QString());
        QVERIFY(coachLines(select).isEmpty());
        program.presenter.clear();
        QVERIFY(click(select, "CmdEditTeam"));
        QCOMPARE(program.presenter.texts(), QStringList{kSelectTeamToEdit});
    }

    void addTeamSavesAndLeavesNoTeamChosen() {
        TestProgram program;
        addTeam("Oak Ridge");
        addTeam("Pine Hill");
        QWidget* select = openTeams();
        chooseTeam(select, 1);
        for (int k = 0; k < 2; ++k) {
            QVERIFY(click(select, "CmdAddTeam"));
            QWidget* form = window("FrmTeam");
            QCOMPARE(visibleWindows(), QStringList{"FrmTeam"});
            QCOMPARE(control<QLineEdit>(form, "TxtTeam")->text(), QString());
            QCOMPARE(control<QComboBox>(form, "CbDivision")->currentIndex(), -1);
            typeTeam(form, "Maple Run", 3);
            QVERIFY(click(form, "CmdSubmit"));
            QCOMPARE(visibleWindows(), QStringList{"FrmTeamSelect"});
        }
        QCOMPARE(program.presenter.texts(),
                 (QStringList{Messages::kSaveQuestion, Messages::kSaveQuestion}));
        QCOMPARE(teamLines(select),
                 (QStringList{"Maple Run (D)", "Maple Run (D)", "Oak Ridge (A)", "Pine Hill (A)"}));
        QCOMPARE(count("SELECT COUNT(DISTINCT TeamCode) FROM TblTeam WHERE TeamName = 'Maple Run'"),
                 2);
        QCOMPARE(currentTeam(select), QString());
        QCOMPARE(control<QComboBox>(select, "CbTeam")->currentIndex(), -1);
    }

    void teamSubmitChecks_data() {
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("division");
        QTest::addColumn<QStringList>("shown");
        const QString save = Messages::kSaveQuestion;
        const QString noName = QStringLiteral("The Team Name box must be filled in");
        const QString noDivision = QStringLiteral("You must select a division for this team");
        QTest::newRow("answered no")
            << QList<Answer>{Answer::No} << "Elm" << 0 << QStringList{save};
        QTest::newRow("no name") << QList<Answer>{} << "" << 1 << QStringList{save, noName};
        QTest::newRow("no division")
            << QList<Answer>{} << "Elm" << -1 << QStringList{save, noDivision};
        QTest::newRow("neither, only the first")
            << QList<Answer>{} << "" << -1 << QStringList{save, noName};
    }
    void teamSubmitChecks() {
        QFETCH(QList<Answer>, answers);
        QFETCH(QString, name);
        QFETCH(int, division);
        QFETCH(QStringList, shown);
        TestProgram program;
        QWidget* select = openTeams();
        QVERIFY(click(select, "CmdAddTeam"));
        QWidget* form = window("FrmTeam");
        typeTeam(form, name, division);
        program.presenter.script = answers;
        QVERIFY(click(form, "CmdSubmit"));
        QCOMPARE(program.presenter.texts(), shown);
        if (shown.size() > 1)
            QCOMPARE(program.presenter.lastTitle(), QStringLiteral("Submit Error"));
        QCOMPARE(visibleWindows(), QStringList{"FrmTeam"});
        QCOMPARE(control<QLineEdit>(form, "TxtTeam")->text(), name);
        QCOMPARE(control<QComboBox>(form, "CbDivision")->currentIndex(), division);
        QCOMPARE(count("SELECT COUNT(*) FROM TblTeam"), 0);
    }

    void editTeamOpensWithItsDivision_data() {
        QTest::addColumn<QString>("division");
        QTest::addColumn<int>("line");
        QTest::newRow("C") << "C" << 2;
        QTest::newRow("lower case c is no division") << "c" << -1;
    }
    void editTeamOpensWithItsDivision() {
        QFETCH(QString, division);
        QFETCH(int, line);
        TestProgram program;
        const qint32 team = addTeam("Oak Ridge", division);
        QWidget* select = openTeams();
        chooseTeam(select, 0);
        QVERIFY(click(select, "CmdEditTeam"));
        QWidget* form = window("FrmTeam");
        QCOMPARE(control<QLineEdit>(form, "TxtTeam")->text(), QStringLiteral("Oak Ridge"));
        QCOMPARE(control<QComboBox>(form, "CbDivision")->currentIndex(), line);
        QVERIFY(click(form, "CmdSubmit"));
        if (line < 0) {
            QCOMPARE(program.presenter.lastText(),
                     QStringLiteral("You must select a division for this team"));
            QCOMPARE(visibleWindows(), QStringList{"FrmTeam"});
        } else {
            QCOMPARE(visibleWindows(), QStringList{"FrmTeamSelect"});
        }
        QCOMPARE(stored("SELECT TeamCode, TeamName, Division FROM TblTeam"),
                 QStringLiteral("%1|Oak Ridge|%2").arg(team).arg(division));
    }

    void teamGoneWhileEditingIsReported() {
        TestProgram program;
        addTeam("Oak Ridge");
        QWidget* select = openTeams();
        chooseTeam(select, 0);
        QVERIFY(click(select, "CmdEditTeam"));
        Sql::run("DELETE FROM TblTeam");
        QWidget* form = window("FrmTeam");
        typeTeam(form, "Oak Ridge West", 1);
        QVERIFY(click(form, "CmdSubmit"));
        QVERIFY2(program.presenter.lastText().contains("no longer stored"),
                 qPrintable(program.presenter.lastText()));
        QCOMPARE(visibleWindows(), QStringList{"FrmTeam"});
        QCOMPARE(count("SELECT COUNT(*) FROM TblTeam"), 0);
    }

    void cancelAsksFirstAndCloseBoxDoesNot() {
        TestProgram program;
        addTeam("Oak Ridge");
        QWidget* select = openTeams();
        chooseTeam(select, 0);
        for (const QString& button : {"CmdEditTeam", "CmdAddCoach"}) {
            program.presenter.clear();
            QVERIFY(click(select, button));
            QWidget* form = window(button == "CmdEditTeam" ? "FrmTeam" : "FrmCoach");
            program.presenter.answer({Answer::No});
            QVERIFY(click(form, "CmdCancel"));
            QCOMPARE(visibleWindows(), QStringList{form->objectName()});
            QVERIFY(click(form, "CmdCancel"));
            QCOMPARE(program.presenter.texts(),
                     (QStringList{Messages::kCancelQuestion, Messages::kCancelQuestion}));
            QCOMPARE(visibleWindows(), QStringList{"FrmTeamSelect"});
        }
        program.presenter.clear();
        QVERIFY(click(select, "CmdAddCoach"));
        window("FrmCoach")->close();
        settle();
        QVERIFY(program.presenter.shown.isEmpty());
        QCOMPARE(visibleWindows(), QStringList{"FrmTeamSelect"});
        QCOMPARE(stored("SELECT TeamName FROM TblTeam"), QStringLiteral("Oak Ridge"));
        QCOMPARE(count("SELECT COUNT(*) FROM TblCoach"), 0);
    }

    void addCoachWithOnlyTheRequiredBoxes() {
        TestProgram program;
        addTeam("Oak Ridge");
        const qint32 pine = addTeam("Pine Hill");
        QWidget* select = openTeams();
        chooseTeam(select, 1);
        QVERIFY(click(select, "CmdAddCoach"));
        QWidget* form = window("FrmCoach");
        QCOMPARE(control<QComboBox>(form, "CbPosition")->currentIndex(), -1);
        typeCoach(form, {"Zoë", "D'Arcy"}, 1);
        QVERIFY(click(form, "CmdSubmit"));
        QCOMPARE(program.presenter.texts(), QStringList{Messages::kSaveQuestion});
        QCOMPARE(stored("SELECT FirstName, LastName, Address, City, Zip, \"Primary\", Secondary,"
                        " Email, Position, TeamCode FROM TblCoach"),
                 QStringLiteral("Zoë|D'Arcy|||||||Assistant Coach|%1").arg(pine));
        QCOMPARE(count("SELECT COUNT(*) FROM TblCoach WHERE Address = '' AND Email = ''"), 1);
        QCOMPARE(currentTeam(select), QStringLiteral("Pine Hill"));
        QCOMPARE(coachLines(select), QStringList{"D'Arcy, Zoë - Assistant Coach"});
    }

    void coachSubmitChecks_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("refusal");
        const QStringList rest{"1 Mill Rd", "Salem", "24153", "555-0101", "555-0102", "a@b.org"};
        QTest::newRow("no first name")
            << QStringList{"", "Zane"} + rest << 0 << "The First Name box must be filled in";
        QTest::newRow("no names, only the first")
            << QStringList{"", ""} + rest << -1 << "The First Name box must be filled in";
        QTest::newRow("no last name")
            << QStringList{"Bea", ""} + rest << -1 << "The Last Name box must be filled in";
        QTest::newRow("no position") << QStringList{"Bea", "Zane"} + rest << -1
                                     << "The Position box must have a valid entry";
    }
    void coachSubmitChecks() {
        QFETCH(QStringList, typed);
        QFETCH(int, position);
        QFETCH(QString, refusal);
        TestProgram program;
        addTeam("Oak Ridge");
        QWidget* select = openTeams();
        chooseTeam(select, 0);
        QVERIFY(click(select, "CmdAddCoach"));
        QWidget* form = window("FrmCoach");
        typeCoach(form, typed, position);
        QVERIFY(click(form, "CmdSubmit"));
        QCOMPARE(program.presenter.texts(), (QStringList{Messages::kSaveQuestion, refusal}));
        QCOMPARE(program.presenter.lastTitle(), QStringLiteral("Submit Error"));
        QCOMPARE(visibleWindows(), QStringList{"FrmCoach"});
        QCOMPARE(coachTexts(form), typed);
        QCOMPARE(count("SELECT COUNT(*) FROM TblCoach"), 0);
    }

    void editCoachKeepsTheCoachsTeam_data() {
        QTest::addColumn<QString>("position");
        QTest::addColumn<int>("line");
        QTest::newRow("head coach") << "Head Coach" << 0;
        QTest::newRow("assistant") << "Assistant Coach" << 1;
        QTest::newRow("other text opens as assistant") << "head coach" << 1;
    }
    void editCoachKeepsTheCoachsTeam() {
        QFETCH(QString, position);
        QFETCH(int, line);
        TestProgram program;
        const qint32 oak = addTeam("Oak Ridge");
        const qint32 coach = addCoach(oak, "Bea", "Zane", position);
        Sql::run("UPDATE TblCoach SET City = NULL, Email = 'bz@oak.org' WHERE CoachCode = ?",
                 {coach});
        addTeam("Pine Hill");
        QWidget* select = openTeams();
        chooseTeam(select, 0);
        chooseCoach(select, 0);
        QVERIFY(click(select, "CmdEditCoach"));
        QWidget* form = window("FrmCoach");
        QCOMPARE(coachTexts(form), (QStringList{"Bea", "Zane", "", "", "", "", "", "bz@oak.org"}));
        QCOMPARE(control<QComboBox>(form, "CbPosition")->currentIndex(), line);
        control<QLineEdit>(form, "TxtPrimary")->setText("555-0199");
        QVERIFY(click(form, "CmdSubmit"));
        QCOMPARE(visibleWindows(), QStringList{"FrmTeamSelect"});
        QCOMPARE(stored("SELECT CoachCode, TeamCode, \"Primary\", Position FROM TblCoach"),
                 QStringLiteral("%1|%2|555-0199|%3")
                     .arg(coach)
                     .arg(oak)
                     .arg(line == 0 ? "Head Coach" : "Assistant Coach"));
        QCOMPARE(currentTeam(select), QStringLiteral("Oak Ridge"));
    }

    void lockedDatabaseKeepsTheFormAndWritesNothing() {
        TestProgram program;
        addTeam("Oak Ridge");
        QWidget* select = openTeams();
        chooseTeam(select, 0);
        QVERIFY(click(select, "CmdAddCoach"));
        QWidget* form = window("FrmCoach");
        const QStringList typed{"Bea", "Zane", "1 Mill Rd", "", "", "", "", ""};
        typeCoach(form, typed, 0);
        {
            WriteLock lock(program);
            QVERIFY(click(form, "CmdSubmit"));
        }
        QVERIFY2(program.presenter.lastText().contains("locked"),
                 qPrintable(program.presenter.lastText()));
        QCOMPARE(visibleWindows(), QStringList{"FrmCoach"});
        QCOMPARE(coachTexts(form), typed);
        QCOMPARE(count("SELECT COUNT(*) FROM TblCoach"), 0);
        QVERIFY(click(form, "CmdSubmit"));
        QCOMPARE(count("SELECT COUNT(*) FROM TblCoach"), 1);
        QCOMPARE(visibleWindows(), QStringList{"FrmTeamSelect"});
    }

    void comingBackFromAnotherProgramWindowRefreshes() {
        TestProgram program;
        addTeam("Oak Ridge");
        QWidget* select = openTeams();
        chooseTeam(select, 0);
        addTeam("Pine Hill");
        // Another application took the focus and gave it back: nothing is rebuilt.
        QEvent deactivate(QEvent::WindowDeactivate);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(select, &deactivate);
        QApplication::sendEvent(select, &activate);
        QCOMPARE(teamLines(select), QStringList{"Oak Ridge (A)"});
        // A click back from another window of the program rebuilds, keeping the team.
        QWidget other;
        other.show();
        QApplication::sendEvent(&other, &deactivate);
        QApplication::sendEvent(select, &activate);
        QCOMPARE(teamLines(select), (QStringList{"Oak Ridge (A)", "Pine Hill (A)"}));
        QCOMPARE(currentTeam(select), QStringLiteral("Oak Ridge"));
    }
};

QTEST_MAIN(TestTeams)
#include "tst_teams.moc"
