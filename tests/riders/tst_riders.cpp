// The rider search, the rider entry form and the rider edit form, driven as the secretary
// would: typing, choosing list lines, clicking buttons and answering the boxes.
#include "app/FrmMain.h"
#include "data/Sql.h"
#include "riders/FrmRiderEdit.h"
#include "riders/FrmRiderEntry.h"
#include "riders/FrmRiderSearch.h"
#include "riders/RiderForms.h"
#include "support/TestProgram.h"
#include "support/WriteLock.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>

using Answer = MessagePresenter::Answer;

namespace {

const QString kDeleteQuestion = QStringLiteral(
    "You are about to delete the selected rider. This action cannot be undone. Are you sure you "
    "want to continue?");
const QString kEntered = QStringLiteral("You may not delete a rider who is entered in a class.");

enum Field { LastName = 0, FirstName = 1, RiderNumber = 2, Team = 3 };

qint32 addTeam(const QString& name) {
    QSqlQuery q = Sql::run("INSERT INTO TblTeam (TeamName, Division) VALUES (?, 'A')", {name});
    return q.lastInsertId().toInt();
}

void addRider(const QString& number, const QString& first, const QString& last, qint32 team) {
    Sql::run("INSERT INTO TblPerson (RiderNumber, FirstName, LastName, Address, City, Zip,"
             " TeamCode) VALUES (?, ?, ?, '1 Mill Rd', 'Salem', '12345', ?)",
             {number, first, last, team});
}

// A district with riders whose names and teams hold the characters a search must take
// literally, and one rider whose team row is gone.
void addDistrict() {
    const qint32 oak = addTeam("Oak Ridge");
    const qint32 bigOak = addTeam("Big Oak Farm");
    const qint32 percent = addTeam("50% Club");
    const qint32 ohara = addTeam("O'Hara_Stables");
    addRider("5", "Anna", "Berg", oak);
    addRider("15", "Ben", "Berger", bigOak);
    addRider("52", "Cara", "Smith", percent);
    addRider("7", "Dan", "O'Brien", ohara);
    addRider("61", "Eve", "St*r", oak);
    addRider("62", "Fay", "Qu?n", oak);
    addRider("63", "Gil", "N#1", oak);
    addRider("64", "Hana", "[Lee]", oak);
    addRider("66", "Ivo", "Mac_Ro", oak);
    addRider("67", "Jo", "Per%cy", oak);
    addRider("70", "Kit", "Bergson", 999); // no such team
    addRider("1*", "Lu", "Lowe", oak);
    addRider("12", "Max", "Lowe", oak);
}

// Opens the search screen as the secretary does: Administration, then Rider Management.
FrmRiderSearch* openSearch() {
    auto* main = new FrmMain;
    main->show();
    if (!click(main, "CmdAdmin") || !click(main, "CmdRider"))
        return nullptr;
    return qobject_cast<FrmRiderSearch*>(window("FrmRiderSearch"));
}

void search(QWidget* form, int field, const QString& text) {
    control<QComboBox>(form, "LbSearchBy")->setCurrentIndex(field);
    control<QLineEdit>(form, "TxtSearchFor")->setText(text);
    QVERIFY(click(form, "CmdSearch"));
}

QStringList lines(QWidget* form) {
    QStringList out;
    auto* list = control<QListWidget>(form, "LbResults");
    for (int k = 0; k < list->count(); ++k)
        out << list->item(k)->text();
    return out;
}

QStringList numbersShown(QWidget* form) {
    QStringList out;
    for (const QString& line : lines(form))
        out << line.section(QStringLiteral(" - "), 0, 0);
    return out;
}

void choose(QWidget* form, int line) {
    control<QListWidget>(form, "LbResults")->setCurrentRow(line);
}

QLineEdit* box(QWidget* form, int index) {
    return control<QLineEdit>(form, QStringLiteral("RiderListBoxArray(%1)").arg(index));
}

QStringList boxTexts(QWidget* form) {
    QStringList out;
    for (int k = 0; k < 6; ++k)
        out << box(form, k)->text();
    return out;
}

// Types a rider into the entry or edit form: number, first, last, address, city, zip.
void type(QWidget* form, const QStringList& texts, int teamPosition) {
    for (int k = 0; k < 6; ++k)
        box(form, k)->setText(texts.value(k));
    control<QComboBox>(form, "LbTeamCode")->setCurrentIndex(teamPosition);
}

int teamPosition(QWidget* form, const QString& name) {
    return control<QComboBox>(form, "LbTeamCode")->findText(name);
}

QWidget* openEdit(QWidget* search, int line) {
    choose(search, line);
    if (!click(search, "CmdEdit"))
        return nullptr;
    return window("FrmRiderEdit");
}

} // namespace

class TestRiders : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }

    void searchScreenAsDesigned() {
        TestProgram program;
        QVERIFY(openSearch());
        QCOMPARE(visibleWindows(), QStringList{"FrmRiderSearch"});
        auto* form = window("FrmRiderSearch");
        QCOMPARE(form->windowTitle(), QString("Rider Edit Form"));
        auto* by = control<QComboBox>(form, "LbSearchBy");
        QCOMPARE(by->count(), 4);
        QCOMPARE(by->itemText(2), QString("Rider Number"));
        QCOMPARE(by->currentIndex(), 0);
        QVERIFY(control<QLineEdit>(form, "TxtSearchFor")->hasFocus() ||
                form->focusWidget() == control<QLineEdit>(form, "TxtSearchFor"));
        QVERIFY(!click(form, "CmdRiderReport")); // no report yet: present but disabled
        QVERIFY(control<QPushButton>(form, "CmdRiderReport")->isVisible());
        form->close();
        settle();
        QCOMPARE(visibleWindows(), QStringList{"FrmMain"});
    }

    void searchMatchesLiterally_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("numbers");
        using L = QStringList;
        QTest::newRow("number contains 5") << int(RiderNumber) << "5" << L{"15", "5", "52"};
        QTest::newRow("last name, case ignored") << int(LastName) << "BERG" << L{"15", "5"};
        QTest::newRow("first name, case ignored") << int(FirstName) << "aNNa" << L{"5"};
        QTest::newRow("team contains")
            << int(Team) << "oak" << L{"1*", "12", "15", "5", "61", "62", "63", "64", "66", "67"};
        QTest::newRow("team without a row never listed") << int(LastName) << "son" << L{};
        QTest::newRow("apostrophe") << int(LastName) << "O'B" << L{"7"};
        QTest::newRow("apostrophe in team") << int(Team) << "'" << L{"7"};
        QTest::newRow("star") << int(LastName) << "*" << L{"61"};
        QTest::newRow("star in number") << int(RiderNumber) << "*" << L{"1*"};
        QTest::newRow("question mark") << int(LastName) << "?" << L{"62"};
        QTest::newRow("hash") << int(LastName) << "#" << L{"63"};
        QTest::newRow("bracket") << int(LastName) << "[" << L{"64"};
        QTest::newRow("underscore") << int(LastName) << "_" << L{"66"};
        QTest::newRow("underscore in team") << int(Team) << "_" << L{"7"};
        QTest::newRow("percent") << int(LastName) << "%" << L{"67"};
        QTest::newRow("percent in team") << int(Team) << "0%" << L{"52"};
        QTest::newRow("backslash") << int(LastName) << "\\" << L{};
        QTest::newRow("no match") << int(FirstName) << "zzz" << L{};
    }
    void searchMatchesLiterally() {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QStringList, numbers);
        TestProgram program;
        addDistrict();
        auto* form = openSearch();
        search(form, field, text);
        QCOMPARE(numbersShown(form), numbers);
        QVERIFY(program.presenter.shown.isEmpty());
    }

    void editAndDeleteNeedASelectedLine() {
        TestProgram program;
        addDistrict();
        auto* form = openSearch();
        search(form, LastName, "Lowe");
        QVERIFY(click(form, "CmdEdit"));
        QCOMPARE(program.presenter.lastText(),
                 QString("You must first select the rider you want to edit."));
        QCOMPARE(program.presenter.lastTitle(), QString("ColtsTracker"));
        QVERIFY(click(form, "CmdDelete"));
        QCOMPARE(program.presenter.lastText(),
                 QString("You must first select the rider you want to delete."));
        QCOMPARE(visibleWindows(), QStringList{"FrmRiderSearch"});
        QCOMPARE(count("SELECT COUNT(*) FROM TblPerson"), 13);
    }

    void editActsOnTheSelectedLineAfterTheTextChanged() {
        TestProgram program;
        addDistrict();
        auto* form = openSearch();
        search(form, LastName, "Lowe");
        control<QLineEdit>(form, "TxtSearchFor")->setText("Berg");
        auto* edit = openEdit(form, 1);
        QVERIFY(edit);
        QCOMPARE(visibleWindows(), QStringList{"FrmRiderEdit"});
        QCOMPARE(boxTexts(edit), QStringList({"12", "Max", "Lowe", "1 Mill Rd", "Salem", "12345"}));
        QCOMPARE(control<QComboBox>(edit, "LbTeamCode")->currentText(), QString("Oak Ridge"));
        // Closing the edit form brings the search back, searching with what it now holds.
        program.presenter.answer({Answer::Yes});
        QVERIFY(click(edit, "CmdCancel"));
        QCOMPARE(visibleWindows(), QStringList{"FrmRiderSearch"});
        QCOMPARE(numbersShown(form), QStringList({"15", "5"}));
    }

    void deleteActsOnTheSelectedRiderOnly() {
        TestProgram program;
        addDistrict();
        auto* form = openSearch();
        search(form, LastName, "Lowe");
        choose(form, 0); // rider 1*
        control<QLineEdit>(form, "TxtSearchFor")->setText("owe");
        QVERIFY(click(form, "CmdDelete"));
        QCOMPARE(program.presenter.texts(), QStringList{kDeleteQuestion});
        QCOMPARE(program.presenter.lastTitle(), QString("Confirm Cancel"));
        QCOMPARE(count("SELECT COUNT(*) FROM TblPerson WHERE RiderNumber = '1*'"), 0);
        QCOMPARE(count("SELECT COUNT(*) FROM TblPerson WHERE RiderNumber = '12'"), 1);
        QCOMPARE(numbersShown(form), QStringList{"12"}); // searched again with "owe"
    }

    void deleteAsksFirstAndEmptiesTheList() {
        TestProgram program;
        addDistrict();
        auto* form = openSearch();
        search(form, RiderNumber, "52");
        choose(form, 0);
        program.presenter.answer({Answer::No});
        QVERIFY(click(form, "CmdDelete"));
        QCOMPARE(count("SELECT COUNT(*) FROM TblPerson WHERE RiderNumber = '52'"), 1);
        QCOMPARE(numbersShown(form), QStringList{"52"});
        QVERIFY(click(form, "CmdDelete"));
        QCOMPARE(count("SELECT COUNT(*) FROM TblPerson WHERE RiderNumber = '52'"), 0);
        QCOMPARE(lines(form), QStringList());
    }

    void deleteWithAnEmptySearchTextDropsTheLine() {
        TestProgram program;
        addDistrict();
        auto* form = openSearch();
        search(form, LastName, "Lowe");
        choose(form, 0);
        control<QLineEdit>(form, "TxtSearchFor")->clear();
        QVERIFY(click(form, "CmdDelete"));
        QCOMPARE(numbersShown(form), QStringList{"12"});
        QCOMPARE(count("SELECT COUNT(*) FROM TblPerson WHERE RiderNumber = '1*'"), 0);
        // The remaining line still goes with its own rider.
        auto* edit = openEdit(form, 0);
        QVERIFY(edit);
        QCOMPARE(box(edit, 0)->text(), QString("12"));
    }

    void deleteRefusedWhileTheRiderIsEntered_data() {
        QTest::addColumn<QString>("insert");
        QTest::newRow("entry, meet 1")
            << "INSERT INTO TblEntry (ClassNumber, Week, RiderNumber) VALUES (3, 1, 'a5')";
        QTest::newRow("entry, meet 3")
            << "INSERT INTO TblEntry (ClassNumber, Week, RiderNumber) VALUES (18, 3, 'A5')";
        QTest::newRow("relay rider")
            << "INSERT INTO TblPairing (Week, RiderNumber, PartnerNumber) VALUES (2, 'A5', '9')";
        QTest::newRow("relay partner")
            << "INSERT INTO TblPairing (Week, RiderNumber, PartnerNumber) VALUES (2, '9', 'A5')";
        QTest::newRow("placed") << "INSERT INTO TblPlacing (ClassNumber, Ring, Week, Place,"
                                   " RiderNumber, Points) VALUES (4, 1, 2, 1, 'A5', 8)";
    }
    void deleteRefusedWhileTheRiderIsEntered() {
        QFETCH(QString, insert);
        TestProgram program;
        addRider("A5", "Ona", "Reyes", addTeam("Oak Ridge"));
        Sql::run(insert);
        auto* form = openSearch();
        search(form, LastName, "Reyes");
        choose(form, 0);
        QVERIFY(click(form, "CmdDelete"));
        QCOMPARE(program.presenter.texts(), QStringList{kEntered});
        QCOMPARE(program.presenter.lastTitle(), QString("ColtsTracker"));
        QCOMPARE(count("SELECT COUNT(*) FROM TblPerson"), 1);
        // Once the rows are gone, so may the rider be.
        Sql::run("DELETE FROM TblEntry");
        Sql::run("DELETE FROM TblPairing");
        Sql::run("DELETE FROM TblPlacing");
        program.presenter.clear();
        QVERIFY(click(form, "CmdDelete"));
        QCOMPARE(program.presenter.texts(), QStringList{kDeleteQuestion});
        QCOMPARE(count("SELECT COUNT(*) FROM TblPerson"), 0);
        QCOMPARE(lines(form), QStringList());
    }

    void addTwoRidersWithSaveAndAddAnother() {
        TestProgram program;
        addDistrict();
        auto* search = openSearch();
        ::search(search, LastName, "Tam");
        QVERIFY(click(search, "CmdAdd"));
        auto* entry = window("FrmRiderEntry");
        QVERIFY(entry);
        QCOMPARE(visibleWindows(), QStringList{"FrmRiderEntry"});
        QCOMPARE(control<QPushButton>(entry, "CmdSaveAdd")->text(), QString("Save && Add Another"));
        QCOMPARE(control<QPushButton>(entry, "CmdSave")->text(), QString("Save && Exit"));
        QCOMPARE(control<QComboBox>(entry, "LbTeamCode")->currentIndex(), -1);

        type(entry, {"300", "Nia", "Tam", "", "", ""}, teamPosition(entry, "Big Oak Farm"));
        QVERIFY(click(entry, "CmdSaveAdd"));
        QCOMPARE(boxTexts(entry), QStringList(6, QString()));
        QCOMPARE(control<QComboBox>(entry, "LbTeamCode")->currentIndex(), -1);
        type(entry, {" 301", "Oli", "Tamm", "2 Elm St", "Dover", "02134"},
             teamPosition(entry, "Oak Ridge"));
        QVERIFY(click(entry, "CmdSaveAdd"));
        QCOMPARE(program.presenter.texts(),
                 QStringList({Messages::kSaveQuestion, Messages::kSaveQuestion}));
        QCOMPARE(visibleWindows(), QStringList{"FrmRiderEntry"});
        QCOMPARE(boxTexts(entry), QStringList(6, QString()));

        // Stored exactly as typed: the blank kept, empty boxes as empty text.
        QCOMPARE(stored("SELECT TeamName FROM TblPerson JOIN TblTeam USING (TeamCode)"
                        " WHERE RiderNumber = '300' AND Address = '' AND City = ''"
                        " AND Zip = ''"),
                 QString("Big Oak Farm"));
        QCOMPARE(stored("SELECT Zip FROM TblPerson WHERE RiderNumber = ' 301'"), QString("02134"));

        program.presenter.answer({Answer::Yes});
        QVERIFY(click(entry, "CmdCancel"));
        QCOMPARE(visibleWindows(), QStringList{"FrmRiderSearch"});
        QCOMPARE(lines(search),
                 QStringList({" 301 - Tamm, Oli (Oak Ridge)", "300 - Tam, Nia (Big Oak Farm)"}));
    }

    void saveAndExitReturnsToTheSearch() {
        TestProgram program;
        addDistrict();
        auto* search = openSearch();
        ::search(search, RiderNumber, "40");
        QVERIFY(click(search, "CmdAdd"));
        auto* entry = window("FrmRiderEntry");
        QCOMPARE(control<QLabel>(entry, "LblStateCode")->text().size(), 2);
        type(entry, {"400", "Pia", "Ruiz", "", "", ""}, teamPosition(entry, "50% Club"));
        QVERIFY(click(entry, "CmdSave"));
        settle();
        QVERIFY(!window("FrmRiderEntry"));
        QCOMPARE(lines(search), QStringList{"400 - Ruiz, Pia (50% Club)"});
    }

    void entryRefusals_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("team"); // "" leaves no team chosen
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QStringList>("messages");
        const QString save = Messages::kSaveQuestion;
        const QStringList rider{"500", "Quin", "Soto", "3 Oak Ave", "Milford", "06460"};
        QStringList duplicate = rider;
        duplicate[0] = "15";
        QStringList caseOnly = rider;
        caseOnly[0] = "x9";
        QStringList empty = rider;
        empty[0] = "";
        QStringList blanks = rider;
        blanks[0] = "  ";
        QTest::newRow("save answered No")
            << rider << "Oak Ridge" << QList<int>{int(Answer::No)} << QStringList{save};
        QTest::newRow("no team") << rider << "" << QList<int>{}
                                 << QStringList{save, RiderForms::kNoTeam};
        QTest::newRow("duplicate number") << duplicate << "Oak Ridge" << QList<int>{}
                                          << QStringList{save, RiderForms::kDuplicateNumber};
        QTest::newRow("duplicate differing in case")
            << caseOnly << "Oak Ridge" << QList<int>{}
            << QStringList{save, RiderForms::kDuplicateNumber};
        QTest::newRow("empty number")
            << empty << "Oak Ridge" << QList<int>{} << QStringList{save, RiderForms::kNoNumber};
        QTest::newRow("blank number")
            << blanks << "Oak Ridge" << QList<int>{} << QStringList{save, RiderForms::kNoNumber};
    }
    void entryRefusals() {
        QFETCH(QStringList, typed);
        QFETCH(QString, team);
        QFETCH(QList<int>, answers);
        QFETCH(QStringList, messages);
        TestProgram program;
        addDistrict();
        addRider("X9", "Rae", "Ames", 1);
        auto* search = openSearch();
        QVERIFY(click(search, "CmdAdd"));
        auto* entry = window("FrmRiderEntry");
        const int position = team.isEmpty() ? -1 : teamPosition(entry, team);
        type(entry, typed, position);
        for (int a : answers)
            program.presenter.script << Answer(a);
        for (const char* button : {"CmdSave", "CmdSaveAdd"}) {
            program.presenter.clear();
            QVERIFY(click(entry, button));
            QCOMPARE(program.presenter.texts(), messages);
            QCOMPARE(visibleWindows(), QStringList{"FrmRiderEntry"});
            QCOMPARE(boxTexts(entry), typed);
            QCOMPARE(control<QComboBox>(entry, "LbTeamCode")->currentIndex(), position);
            QCOMPARE(count("SELECT COUNT(*) FROM TblPerson"), 14);
            for (int a : answers)
                program.presenter.script << Answer(a);
        }
    }

    void teamListIsOrderedByNameAndSavesTheChosenTeam() {
        TestProgram program;
        const qint32 zeta = addTeam("Zeta Farm");
        addTeam("Alpha Stables");
        auto* search = openSearch();
        QVERIFY(click(search, "CmdAdd"));
        auto* entry = window("FrmRiderEntry");
        auto* teams = control<QComboBox>(entry, "LbTeamCode");
        QCOMPARE(teams->count(), 2);
        QCOMPARE(teams->itemText(0), QString("Alpha Stables"));
        type(entry, {"1", "Tia", "Vos"}, 1);
        QVERIFY(click(entry, "CmdSave"));
        QCOMPARE(count("SELECT TeamCode FROM TblPerson WHERE RiderNumber = '1'"), zeta);
    }

    void editOfTheTeamShowsInTheSearchLine() {
        TestProgram program;
        addDistrict();
        auto* search = openSearch();
        ::search(search, LastName, "Smith");
        auto* edit = openEdit(search, 0);
        QCOMPARE(window("FrmRiderEdit")->windowTitle(), QString("Rider Edit Form"));
        QCOMPARE(control<QComboBox>(edit, "LbTeamCode")->currentText(), QString("50% Club"));
        control<QComboBox>(edit, "LbTeamCode")->setCurrentIndex(teamPosition(edit, "Big Oak Farm"));
        QVERIFY(click(edit, "CmdUpdate"));
        QCOMPARE(program.presenter.texts(), QStringList{Messages::kSaveQuestion});
        settle();
        QCOMPARE(visibleWindows(), QStringList{"FrmRiderSearch"});
        QCOMPARE(lines(search), QStringList{"52 - Smith, Cara (Big Oak Farm)"});
    }

    void changedNumberIsCarriedIntoEntriesPairingsAndPlacings() {
        TestProgram program;
        addDistrict();
        Sql::run("INSERT INTO TblEntry (ClassNumber, Week, RiderNumber) VALUES (2, 1, '5'),"
                 " (18, 1, '5'), (2, 1, '15')");
        Sql::run("INSERT INTO TblPairing (Week, RiderNumber, PartnerNumber) VALUES (1, '5', '15'),"
                 " (2, '15', '5')");
        Sql::run("INSERT INTO TblPlacing (ClassNumber, Ring, Week, Place, RiderNumber, Points)"
                 " VALUES (2, 1, 1, 1, '5', 8), (2, 1, 1, 2, '15', 7)");
        auto* search = openSearch();
        ::search(search, RiderNumber, "5");
        auto* edit = openEdit(search, 1); // rider 5
        QCOMPARE(box(edit, 0)->text(), QString("5"));
        box(edit, 0)->setText("505");
        QVERIFY(click(edit, "CmdUpdate"));
        settle();
        QVERIFY(!window("FrmRiderEdit"));
        QCOMPARE(count("SELECT COUNT(*) FROM TblEntry WHERE RiderNumber = '505'"), 2);
        QCOMPARE(count("SELECT COUNT(*) FROM TblPairing WHERE RiderNumber = '505'"), 1);
        QCOMPARE(count("SELECT COUNT(*) FROM TblPairing WHERE PartnerNumber = '505'"), 1);
        QCOMPARE(count("SELECT COUNT(*) FROM TblPlacing WHERE RiderNumber = '505'"), 1);
        const QString left = "SELECT (SELECT COUNT(*) FROM TblEntry WHERE RiderNumber = '5')"
                             " + (SELECT COUNT(*) FROM TblPairing WHERE RiderNumber = '5'"
                             " OR PartnerNumber = '5')"
                             " + (SELECT COUNT(*) FROM TblPlacing WHERE RiderNumber = '5')";
        QCOMPARE(count(left), 0);
        QCOMPARE(count("SELECT COUNT(*) FROM TblEntry WHERE RiderNumber = '15'"), 1);
        QCOMPARE(numbersShown(search), QStringList({"15", "505", "52"}));
    }

    void editRefusals_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("message"); // "" when only the question shows
        QTest::newRow("another rider's number")
            << "52" << int(Answer::Yes) << RiderForms::kDuplicateNumber;
        QTest::newRow("differing only in case")
            << "x9" << int(Answer::Yes) << RiderForms::kDuplicateNumber;
        QTest::newRow("empty number") << "" << int(Answer::Yes) << RiderForms::kNoNumber;
        QTest::newRow("update answered No") << "800" << int(Answer::No) << "";
    }
    void editRefusals() {
        QFETCH(QString, number);
        QFETCH(int, answer);
        QFETCH(QString, message);
        TestProgram program;
        addDistrict();
        addRider("X9", "Rae", "Ames", 1);
        Sql::run("INSERT INTO TblEntry (ClassNumber, Week, RiderNumber) VALUES (1, 1, '5')");
        auto* search = openSearch();
        ::search(search, LastName, "Berg");
        auto* edit = openEdit(search, 1); // rider 5
        const QStringList typed{number, "Annie", "Bergh", "9 Hill St", "Ashland", "99999"};
        type(edit, typed, teamPosition(edit, "Big Oak Farm"));
        program.presenter.answer({Answer(answer)});
        QVERIFY(click(edit, "CmdUpdate"));
        QStringList expected{Messages::kSaveQuestion};
        if (!message.isEmpty())
            expected << message;
        QCOMPARE(program.presenter.texts(), expected);
        QCOMPARE(visibleWindows(), QStringList{"FrmRiderEdit"});
        QCOMPARE(boxTexts(edit), typed);
        QCOMPARE(stored("SELECT FirstName || LastName FROM TblPerson WHERE RiderNumber = '5'"),
                 QString("AnnaBerg"));
        QCOMPARE(count("SELECT COUNT(*) FROM TblPerson"), 14);
        QCOMPARE(count("SELECT COUNT(*) FROM TblEntry WHERE RiderNumber = '5'"), 1);
    }

    void riderWhoseTeamIsGoneOpensWithoutATeam() {
        TestProgram program;
        addDistrict();
        auto* search = openSearch();
        ::search(search, LastName, "Smith");
        Sql::run("DELETE FROM TblTeam WHERE TeamName = '50% Club'");
        auto* edit = openEdit(search, 0);
        QCOMPARE(box(edit, 0)->text(), QString("52"));
        QCOMPARE(control<QComboBox>(edit, "LbTeamCode")->currentIndex(), -1);
        box(edit, 1)->setText("Carla");
        QVERIFY(click(edit, "CmdUpdate"));
        QCOMPARE(program.presenter.texts(),
                 QStringList({Messages::kSaveQuestion, RiderForms::kNoTeam}));
        QCOMPARE(visibleWindows(), QStringList{"FrmRiderEdit"});
        QCOMPARE(stored("SELECT FirstName FROM TblPerson WHERE RiderNumber = '52'"),
                 QString("Cara"));
    }

    void editOfARiderNoLongerStoredWritesNothing() {
        TestProgram program;
        addDistrict();
        auto* search = openSearch();
        ::search(search, LastName, "Smith");
        Sql::run("DELETE FROM TblPerson WHERE RiderNumber = '52'");
        auto* edit = openEdit(search, 0);
        QCOMPARE(program.presenter.shown.size(), 1);
        QVERIFY(program.presenter.lastText().contains("52"));
        QVERIFY(!click(edit, "CmdUpdate"));
        QCOMPARE(count("SELECT COUNT(*) FROM TblPerson"), 12);
    }

    void lockedDatabaseIsReportedWithItsReason_data() {
        QTest::addColumn<bool>("editing");
        QTest::newRow("entry form") << false;
        QTest::newRow("edit form") << true;
    }
    void lockedDatabaseIsReportedWithItsReason() {
        QFETCH(bool, editing);
        TestProgram program;
        addDistrict();
        auto* search = openSearch();
        ::search(search, LastName, "Smith");
        QWidget* form = nullptr;
        if (editing) {
            form = openEdit(search, 0);
        } else {
            QVERIFY(click(search, "CmdAdd"));
            form = window("FrmRiderEntry");
        }
        const QStringList typed{"900", "Uma", "Wells", "", "", ""};
        type(form, typed, teamPosition(form, "Oak Ridge"));
        {
            WriteLock lock(program);
            QVERIFY(click(form, editing ? "CmdUpdate" : "CmdSave"));
        }
        QCOMPARE(program.presenter.shown.size(), 2);
        const QString reported = program.presenter.lastText();
        QVERIFY2(reported.contains("locked"), qPrintable(reported));
        QVERIFY(reported != RiderForms::kDuplicateNumber);
        QCOMPARE(visibleWindows(), QStringList{editing ? "FrmRiderEdit" : "FrmRiderEntry"});
        QCOMPARE(boxTexts(form), typed);
        QCOMPARE(count("SELECT COUNT(*) FROM TblPerson WHERE RiderNumber = '900'"), 0);
        // With the lock gone the same click stores the rider.
        program.presenter.clear();
        QVERIFY(click(form, editing ? "CmdUpdate" : "CmdSave"));
        QCOMPARE(program.presenter.texts(), QStringList{Messages::kSaveQuestion});
        QCOMPARE(count("SELECT COUNT(*) FROM TblPerson WHERE RiderNumber = '900'"), 1);
    }
};

QTEST_MAIN(TestRiders)
#include "tst_riders.moc"
