// The rider search, the rider entry form and the rider edit form, driven as the secretary
// would: typing, choosing list lines, clicking buttons and answering the boxes.
#include "support/TestProgram.h"

namespace {

enum Field { LastName = 0, FirstName = 1, RiderNumber = 2, Team = 3 };

const QString kSave = Texts::kConfirmTitle + ": " + Texts::kSaveQuestion;
const QString kDelete = Texts::kConfirmTitle +
                        ": You are about to delete the selected rider. This action cannot be "
                        "undone. Are you sure you want to continue?";
const QString kApp = Texts::kAppTitle + ": ";
// What a rider save may change: the riders, rider 5's name, the numbers in the entries,
// pairings and placings.
const QString kState =
    "SELECT (SELECT COUNT(*) FROM TblPerson),"
    " (SELECT LastName FROM TblPerson WHERE RiderNumber = '5'),"
    " (SELECT group_concat(RiderNumber) FROM (SELECT * FROM TblEntry ORDER BY rowid)),"
    " (SELECT group_concat(RiderNumber || '+' || PartnerNumber) FROM"
    " (SELECT * FROM TblPairing ORDER BY Week)),"
    " (SELECT group_concat(RiderNumber) FROM (SELECT * FROM TblPlacing ORDER BY Place))";

// Teams and riders whose names hold the characters a search must take literally, two teams
// named Riverside (codes 5 and 6), rider 70, whose team row is gone, and riders 5 and 15 with
// entries, relay pairings (each as rider and as partner) and placings.
void addDistrict() {
    Sql::run("INSERT INTO TblTeam (TeamCode, TeamName, Division) VALUES (1, 'Oak Ridge', 'A'),"
             " (2, 'Big Oak Farm', 'A'), (3, '50% Club', 'A'), (4, 'O''Hara_Stables', 'A'),"
             " (5, 'Riverside', 'A'), (6, 'Riverside', 'B')");
    Sql::run("INSERT INTO TblPerson (RiderNumber, FirstName, LastName, TeamCode) VALUES"
             " ('5', 'Anna', 'Berg', 1), ('15', 'Ben', 'Berger', 2), ('52', 'Cara', 'Smith', 3),"
             " ('7', 'Dan', 'O''Brien', 4), ('61', 'Eve', 'St*r', 1), ('62', 'Fay', 'Qu?n', 1),"
             " ('63', 'Gil', 'N#1', 1), ('64', 'Hana', '[Lee]', 1), ('66', 'Ivo', 'Mac_Ro', 1),"
             " ('67', 'Jo', 'Per%cy', 1), ('70', 'Kit', 'Bergson', 999), ('1*', 'Lu', 'Lowe', 1),"
             " ('12', 'Max', 'Lowe', 1), ('X9', 'Rae', 'Ames', 1), ('81', '', 'Ünïcödé', 3),"
             " ('82', '', 'Émile', 3), ('83', '', 'E\u0301mile', 3), ('84', '', 'Emil', 3),"
             " ('85', '', 'x\\y', 3)");
    Sql::run("UPDATE TblPerson SET Address = '1 Mill Rd', City = 'Salem', Zip = '12345'"
             " WHERE RiderNumber IN ('5', '12')");
    Sql::run("INSERT INTO TblEntry (ClassNumber, Week, RiderNumber) VALUES (2, 1, '5'),"
             " (18, 1, '5'), (2, 1, '15')");
    Sql::run("INSERT INTO TblPairing (Week, RiderNumber, PartnerNumber) VALUES (1, '5', '15'),"
             " (2, '15', '5')");
    Sql::run("INSERT INTO TblPlacing (ClassNumber, Ring, Week, Place, RiderNumber, Points)"
             " VALUES (2, 1, 1, 1, '5', 8), (2, 1, 1, 2, '15', 7)");
}

// Opens the search screen as the secretary does, Administration then Rider Management, and
// searches `field` for `text`.
QWidget* openSearch(int field, const QString& text) {
    QWidget* form = openScreen("CmdAdmin", "CmdRider", "FrmRiderSearch");
    if (!form)
        return nullptr;
    control<QComboBox>(form, "LbSearchBy")->setCurrentIndex(field);
    control<QLineEdit>(form, "TxtSearchFor")->setText(text);
    return click(form, "CmdSearch") ? form : nullptr;
}

} // namespace

class TestRiders : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }

    void searchListsTheRidersOfTheChosenField_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("numbers");
        const auto row = [](const char* name, int field, const QString& text,
                            const QStringList& numbers) {
            QTest::newRow(name) << field << text << numbers;
        };
        row("number contains 5, ordered as text", RiderNumber, "5", {"15", "5", "52", "85"});
        row("last name, case ignored", LastName, "BERG", {"15", "5"});
        row("first name, case ignored", FirstName, "aNNa", {"5"});
        row("team contains", Team, "oak",
            {"1*", "12", "15", "5", "61", "62", "63", "64", "66", "67", "X9"});
        row("team without a row never listed", LastName, "son", {});
        // Taken literally, and in any letter case however the letters are composed.
        row("percent", LastName, "%", {"67"});
        row("underscore", LastName, "_", {"66"});
        row("star", LastName, "*", {"61"});
        row("backslash", LastName, "\\", {"85"});
        row("apostrophe", LastName, "o'", {"7"});
        row("accented capital", LastName, "ünïcödé", {"81"});
        row("capital E acute", LastName, "émile", {"82", "83"});
        row("typed decomposed", LastName, "e\u0301m", {"82", "83"});
    }
    void searchListsTheRidersOfTheChosenField() {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QStringList, numbers);
        TestProgram program(addDistrict);
        // The rider numbers of the lines, in order.
        QCOMPARE(items(openSearch(field, text), "LbResults")
                     .replaceInStrings(QRegularExpression(" - .*"), ""),
                 numbers);
    }

    void deleteRefusedWhileTheRiderIsEntered() {
        TestProgram program(addDistrict);
        QWidget* form = openSearch(RiderNumber, "X9");
        QVERIFY(form);
        control<QListWidget>(form, "LbResults")->setCurrentRow(0);
        // An entry (its number in other letters), a relay pairing either way, a placing.
        for (const char* insert :
             {"INSERT INTO TblEntry (ClassNumber, Week, RiderNumber) VALUES (3, 1, 'x9')",
              "INSERT INTO TblPairing (Week, RiderNumber, PartnerNumber) VALUES (2, 'X9', '9')",
              "INSERT INTO TblPairing (Week, RiderNumber, PartnerNumber) VALUES (2, '9', 'X9')",
              "INSERT INTO TblPlacing (ClassNumber, Ring, Week, Place, RiderNumber, Points)"
              " VALUES (4, 1, 2, 1, 'X9', 8)"}) {
            Sql::run(insert);
            QVERIFY(click(form, "CmdDelete"));
            for (const char* table : {"TblEntry", "TblPairing", "TblPlacing"})
                Sql::run(QStringLiteral("DELETE FROM %1").arg(table));
        }
        QCOMPARE(count("SELECT COUNT(*) FROM TblPerson WHERE RiderNumber = 'X9'"), 1);
        // Once the rows are gone, so may the rider be; the list is searched again.
        program.presenter.answer({Answer::Yes});
        QVERIFY(click(form, "CmdDelete"));
        QCOMPARE(program.presenter.texts(true),
                 QStringList(4, kApp + "You may not delete a rider who is entered in a class.")
                     << kDelete);
        QCOMPARE(count("SELECT COUNT(*) FROM TblPerson WHERE RiderNumber = 'X9'"), 0);
        QVERIFY(items(form, "LbResults").isEmpty());
    }

    void refusedOrFailedSaveWritesNothingAndKeepsTheForm_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("change"); // made to the database before the form opens
        const auto row = [](const char* name, const char* button, const QString& number,
                            const QString& team, const QString& refusal, const char* change = "") {
            const QStringList texts{"Quin", "Soto", "", "Milford", "06460", number, team};
            QTest::newRow(name) << button << texts
                                << (refusal.isEmpty() ? QStringList{kSave}
                                                      : QStringList{kSave, refusal})
                                << QString(change);
        };
        const QString duplicate = kApp + "The current rider number already exists.";
        const QString noNumber = kApp + "A rider number must be entered in the Rider's Number box.";
        const QString noTeam = kApp + "A team must be selected in the Team box";
        const QString locked = kApp + Texts::kLocked;
        row("add another answered no", "CmdSaveAdd", " 500", "Riverside", "");
        row("no team", "CmdSaveAdd", "500", "", noTeam);
        row("duplicate differing in case", "CmdSaveAdd", "x9", "Riverside", duplicate);
        row("blank number", "CmdSaveAdd", "  ", "Riverside", noNumber);
        row("entry, locked", "CmdSave", "500", "Riverside", locked);
        row("another rider's number", "CmdUpdate", "52", "Riverside", duplicate);
        row("empty number", "CmdUpdate", "", "Riverside", noNumber);
        row("update, locked", "CmdUpdate", "800", "Riverside", locked);
        // A stray entry of number 800 in the class and meet of rider 5's entry: rider 5's entry
        // cannot take that number.
        row("number change that cannot be carried", "CmdUpdate", "800", "Riverside",
            kApp + "The database could not complete this action: the rider's entries, pairings "
                   "and placings could not take the new number (...).\n\nNothing was changed.",
            "INSERT INTO TblEntry (ClassNumber, Week, RiderNumber) VALUES (2, 1, '800')");
    }
    void refusedOrFailedSaveWritesNothingAndKeepsTheForm() {
        QFETCH(QString, button);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, shown);
        QFETCH(QString, change);
        const bool locked = shown.last().contains("database is locked");
        TestProgram program(addDistrict);
        if (!change.isEmpty())
            Sql::run(change);
        const QString before = stored(kState);
        QWidget* search = openSearch(LastName, "Berg");
        QVERIFY(search);
        const bool editing = button == "CmdUpdate";
        QVERIFY(editing || click(search, "CmdAdd"));
        control<QListWidget>(search, "LbResults")->setCurrentRow(1); // rider 5
        QVERIFY(!editing || click(search, "CmdEdit"));
        QWidget* form = window(editing ? "FrmRiderEdit" : "FrmRiderEntry");
        QVERIFY(form);
        // Teams by name; those of the same name by code.
        QCOMPARE(items(form, "LbTeamCode"),
                 (QStringList{"50% Club", "Big Oak Farm", "O'Hara_Stables", "Oak Ridge",
                              "Riverside", "Riverside"}));
        fill(form, texts);
        // The question alone is shown when it is answered No.
        program.presenter.answer({shown.size() == 1 ? Answer::No : Answer::Yes});
        QVERIFY(click(form, button, locked ? &program : nullptr));
        QStringList said = program.presenter.texts(true); // the database's own words left out:
        said.replaceInStrings(QRegularExpression("new number \\(.*\\)"), "new number (...)");
        QCOMPARE(said, shown);
        QCOMPARE(visibleWindows(), QStringList{form->objectName()});
        QCOMPARE(typed(form), texts);
        QCOMPARE(stored(kState), before);
        if (shown.size() > 1 && !locked)
            return; // refused: it would be refused again
        // Answered Yes this time, with no lock, the same click stores the rider exactly as
        // typed (the blank kept, an empty box as empty text, the first Riverside), a changed
        // number carried into all of the rider's rows and into no other rider's. Save and Add
        // Another empties the form for the next rider.
        program.presenter.answer({Answer::Yes});
        QVERIFY(click(form, button));
        if (button == "CmdSaveAdd")
            QCOMPARE(typed(form), QStringList(7, QString()));
        else
            QCOMPARE(visibleWindows(), QStringList{"FrmRiderSearch"});
        QCOMPARE(stored(kState), editing ? QStringLiteral("19||800,800,15|800+15,15+800|800,15")
                                         : QStringLiteral("20|Berg|5,5,15|5+15,15+5|5,15"));
        QCOMPARE(count("SELECT COUNT(*) FROM TblPerson WHERE RiderNumber = ? AND LastName = 'Soto'"
                       " AND Address = '' AND TeamCode = 5",
                       {texts[5]}),
                 1);
    }
};

QTEST_MAIN(TestRiders)
#include "tst_riders.moc"
