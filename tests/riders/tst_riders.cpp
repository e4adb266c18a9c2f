// The rider search, the rider entry form, the rider edit form and the roster import, driven as
// the secretary would: typing, choosing list lines, clicking buttons and answering the boxes.
#include "support/TestProgram.h"
#include "teams/FrmTeamSelect.h"

#include <QDir>
#include <QTemporaryDir>
#include <xlsxwriter.h>

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

// One roster as every kind of file holds it: a rider number and a zip code kept as text, rider
// numbers 12 and 13 as numbers where the file has number cells, a division in lower case, a
// name with a comma and one with quotes.
const QString kRoster = "007|Zoë|O'Brien, Jr|02134|Oak Ridge|A/12|Al|Ames||Pine Hill|B/"
                        "13|Jo \"JJ\"|Lee||Oak Ridge|A";
const QByteArray kRosterCsv =
    "Rider Number;First Name;Last Name;Team;Division;Zip Code\r\n"
    "007;Zoë;\"O'Brien, Jr\";Oak Ridge;A;02134\r\n12;Al;Ames;Pine Hill;b;\r\n"
    "13;\"Jo \"\"JJ\"\"\";Lee;Oak Ridge;;\r\n";

// The roster written by the spreadsheet library, with inline strings or shared ones; rider
// numbers 12 and 13 as number cells.
bool writeRosterWorkbook(const QString& path, bool inlineStrings) {
    lxw_workbook_options options{};
    options.constant_memory = inlineStrings ? LXW_TRUE : LXW_FALSE;
    lxw_workbook* book = workbook_new_opt(QFile::encodeName(path).constData(), &options);
    lxw_worksheet* sheet = workbook_add_worksheet(book, "Riders");
    const char* cells[4][6] = {
        {"Rider Number", "First Name", "Last Name", "Team", "Division", "Zip Code"},
        {"007", "Zoë", "O'Brien, Jr", "Oak Ridge", "A", "02134"},
        {nullptr, "Al", "Ames", "Pine Hill", "b", nullptr},
        {nullptr, "Jo \"JJ\"", "Lee", "Oak Ridge", nullptr, nullptr}};
    for (int r = 0; r < 4; ++r) // row by row: with inline strings, rows are written in order
        for (int c = 0; c < 6; ++c)
            if (cells[r][c])
                worksheet_write_string(sheet, lxw_row_t(r), lxw_col_t(c), cells[r][c], nullptr);
            else if (c == 0)
                worksheet_write_number(sheet, lxw_row_t(r), 0, 10 + r, nullptr);
    return workbook_close(book) == LXW_NO_ERROR;
}

// The stored riders, as kRoster gives them.
QString storedRiders() {
    return stored("SELECT group_concat(x, '/') FROM (SELECT p.RiderNumber || '|' || p.FirstName"
                  " || '|' || p.LastName || '|' || ifnull(p.Zip, '') || '|' || t.TeamName || '|'"
                  " || t.Division AS x FROM TblPerson AS p JOIN TblTeam AS t USING (TeamCode)"
                  " ORDER BY p.RiderNumber)");
}

FrmTeamSelect* openTeams() {
    return qobject_cast<FrmTeamSelect*>(openScreen("CmdAdmin", "CmdTeam", "FrmTeamSelect"));
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

    void rosterImportReadsEveryKindOfFile_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("CSV, byte order mark, semicolons") << "bom.csv";
        QTest::newRow("CSV, Windows-1252, commas") << "1252.csv";
        QTest::newRow("spreadsheet library, inline strings") << "inline.xlsx";
        QTest::newRow("spreadsheet library, shared strings") << "shared.xlsx";
        QTest::newRow("openpyxl, a sheet by absolute path") << COLTS_ROSTERS "/openpyxl.xlsx";
        QTest::newRow("LibreOffice Calc, Excel") << COLTS_ROSTERS "/calc.xlsx";
        QTest::newRow("LibreOffice Calc, OpenDocument") << COLTS_ROSTERS "/calc.ods";
    }
    void rosterImportReadsEveryKindOfFile() {
        QFETCH(QString, file);
        TestProgram program;
        const QString path = QDir(program.folder()).filePath(file);
        QFile out(path);
        if (file == "bom.csv")
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write("\xEF\xBB\xBF" + kRosterCsv) > 0);
        if (file == "1252.csv")
            QVERIFY(
                out.open(QIODevice::WriteOnly) &&
                out.write("Rider Number,First Name,Last Name,Team,Division,Zip Code\n007,Zo\xEB,"
                          "\"O'Brien, Jr\",Oak Ridge,A,02134\n12,Al,Ames,Pine Hill,b,\n13,"
                          "\"Jo \"\"JJ\"\"\",Lee,Oak Ridge,,\n") > 0);
        if (file.endsWith("inline.xlsx") || file.endsWith("shared.xlsx"))
            QVERIFY(writeRosterWorkbook(path, file == "inline.xlsx"));
        out.close();
        FrmTeamSelect* teams = openTeams();
        teams->importFrom(path);
        QWidget* preview = window("FrmImportRiders");
        QVERIFY2(preview, qPrintable(program.presenter.lastText()));
        QCOMPARE(control<QLabel>(preview, "LblCounts")->text(),
                 "Riders to add: 3     New teams: 2     Rows refused: 0");
        QVERIFY(click(preview, "CmdImportRiders"));
        QCOMPARE(program.presenter.lastText(), "3 riders and 2 new teams were imported.");
        QCOMPARE(storedRiders(), kRoster);
        settle();
        QCOMPARE(items(teams, "CbTeam"), (QStringList{"Oak Ridge (A)", "Pine Hill (B)"}));
    }

    void rosterImportStoresAllOrNothing() {
        TestProgram program;
        Sql::run("INSERT INTO TblTeam (TeamCode, TeamName, Division) VALUES (1, 'Oak Ridge', 'A')");
        FrmTeamSelect* teams = openTeams();
        const QString path = program.folder() + "/roster.csv";
        const auto importing = [&](const QByteArray& bytes) {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                return false;
            file.close();
            teams->importFrom(path);
            return window("FrmImportRiders") != nullptr;
        };
        // A file that is not what its name says, and one without the needed headings.
        QVERIFY(!importing("PK\x03\x04 not a workbook") &&
                !importing(QByteArray("\x01\x00\x02", 3)));
        QVERIFY(!importing("Number,Name\n1,Al Ames\n"));
        QCOMPARE(program.presenter.texts().mid(0, 2).join('|').replace(path, "F"),
                 "The file F cannot be read: it is damaged or not a spreadsheet. Nothing was "
                 "imported.|The file F cannot be read: it is not a text file of rows. Nothing "
                 "was imported.");
        QVERIFY(program.presenter.lastText().startsWith("The file has no column headed First "
                                                        "Name, Last Name, Team."));
        // A failure in the middle of storing leaves everything as it was, and the preview open.
        QVERIFY(importing(kRosterCsv));
        Sql::run("CREATE TEMP TRIGGER Fails BEFORE INSERT ON TblPerson WHEN NEW.RiderNumber = '13'"
                 " BEGIN SELECT RAISE(ABORT, 'disk I/O error'); END");
        QVERIFY(click(window("FrmImportRiders"), "CmdImportRiders"));
        QVERIFY(program.presenter.lastText().contains("disk I/O error"));
        QCOMPARE(stored("SELECT COUNT(*) || ' ' || (SELECT COUNT(*) FROM TblTeam) FROM TblPerson"),
                 "0 1");
        QCOMPARE(visibleWindows(), QStringList{"FrmImportRiders"});
        Sql::run("DROP TRIGGER Fails");
        // Cancel stores nothing; Import stores after a backup copy.
        QVERIFY(click(window("FrmImportRiders"), "CmdCancel"));
        settle();
        QCOMPARE(count("SELECT COUNT(*) FROM TblPerson"), 0);
        const int backups = QDir(program.folder() + "/Backups").entryList(QDir::Files).size();
        QVERIFY(importing(kRosterCsv) && click(window("FrmImportRiders"), "CmdImportRiders"));
        QCOMPARE(storedRiders(), kRoster);
        QCOMPARE(QDir(program.folder() + "/Backups").entryList(QDir::Files).size(), backups + 1);
        // The same roster again: every rider is in the district now.
        QVERIFY(importing(kRosterCsv));
        QCOMPARE(control<QLabel>(window("FrmImportRiders"), "LblCounts")->text(),
                 "Riders to add: 0     New teams: 0     Rows refused: 3");
    }

    void anExportedDistrictImportsIntoAnEmptyOne() {
        QTemporaryDir kept;
        const QString path = kept.filePath("district.xlsx");
        QString riders;
        {
            TestProgram program;
            Sql::run("INSERT INTO TblTeam (TeamCode, TeamName, Division) VALUES (1, 'Oak Ridge',"
                     " 'A'), (2, 'Pine Hill', 'C')");
            Sql::run("INSERT INTO TblPerson (RiderNumber, FirstName, LastName, Zip, TeamCode)"
                     " VALUES ('007', 'Zoë', 'Berg', '02134', 1), ('12', 'Al', 'Ames', NULL, 2)");
            riders = storedRiders();
            QVERIFY(openTeams()->exportTo(path));
        }
        TestProgram program;
        openTeams()->importFrom(path);
        QWidget* preview = window("FrmImportRiders");
        QVERIFY(preview && control<QLabel>(preview, "LblFile")->text().endsWith("sheet Riders"));
        QVERIFY(click(preview, "CmdImportRiders"));
        QCOMPARE(storedRiders(), riders);
    }
};

QTEST_MAIN(TestRiders)
#include "tst_riders.moc"
