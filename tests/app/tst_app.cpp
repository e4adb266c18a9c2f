// Start-up, the main control form and the district settings, driven as the secretary would.
#include "app/FrmMain.h"
#include "app/Startup.h"
#include "core/Twips.h"
#include "data/Backups.h"
#include "data/DatabaseFile.h"
#include "forms/Controls.h"
#include "forms/FormBase.h"
#include "support/Faults.h"
#include "support/TestProgram.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

namespace {

const QString kVital = "These settings are vital to the programs operation and should not be "
                       "changed once information is entered into the program. Are you sure you "
                       "want to continue?";

QString header() {
    return control<QLabel>(window("FrmMain"), "LblHeader")->text();
}

// Spoils the program's folder as `fault` says: the database "missing", "text", "truncate"d
// or "damage"d all through, an "index" out of step, "older" (with "one partner twice"), a
// "backup" folder that is a file, or a statement run on it.
bool spoil(TestProgram& program, QString fault) {
    const QString path = program.databasePath();
    QFile file(fault == "backup" ? Backups::folderFor(path) : path);
    if (fault == "missing")
        return file.remove();
    if (fault == "text")
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               file.write("Riders of district 4\nnot a database at all\n") > 0;
    if (fault == "truncate")
        return file.resize(file.size() / 2 + 100);
    if (fault == "backup")
        return file.open(QIODevice::WriteOnly);
    program.openDatabase();
    if (fault == "index") { // an index that no longer agrees with its table
        spoil(program, "INSERT INTO TblPerson (RiderNumber, LastName) VALUES (1, 'A'), (2, 'B')");
        program.openDatabase();
        Sql::run("PRAGMA writable_schema = ON");
        fault = "UPDATE sqlite_schema SET sql = 'CREATE INDEX IdxPersonTeam ON TblPerson"
                " (LastName)' WHERE name = 'IdxPersonTeam'";
    }
    if (fault.startsWith("older")) {
        for (const QString& statement : kOlderVersion)
            Sql::run(statement);
        fault = QString("INSERT INTO TblPairing (Week, RiderNumber, PartnerNumber) VALUES ") +
                (fault.endsWith("twice") ? "(1, '1', '9'), (1, '2', '9')" : "(1, '1', '9')");
    }
    Sql::run(fault != "damage" ? fault
                               : "WITH RECURSIVE n(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM n"
                                 " WHERE k < 3000) INSERT INTO TblPerson (RiderNumber, LastName,"
                                 " TeamCode) SELECT k, 'Rider number ' || k, 1 FROM n");
    program.closeDatabase();
    if (fault == "damage")
        Faults::damage(path);
    return true;
}

// Team 1 with a coach and rider 20, riding in ring 1 at meet 1, where rider 20 is in class 4.
void addDistrict() {
    Sql::run("INSERT INTO TblTeam (TeamCode, TeamName, Division) VALUES (1, 'Oak Ridge', 'B')");
    Sql::run("INSERT INTO TblCoach (FirstName, LastName, Position, TeamCode) VALUES"
             " ('Bea', 'Zane', 'Head Coach', 1)");
    Sql::run("INSERT INTO TblPerson (RiderNumber, FirstName, LastName, TeamCode) VALUES"
             " ('20', 'Ann', 'Berg', 1)");
    Sql::run("INSERT INTO TblRing (Week, RingNumber, TeamCode) VALUES (1, 1, 1)");
    Sql::run("INSERT INTO TblEntry (ClassNumber, Week, RiderNumber) VALUES (4, 1, '20')");
}

// Opens `screen` from a new main form at meet 1 by `path`, each step on the window shown: a
// button to click, or "Name=value" to choose line `value` of a list or type it into a box.
QWidget* reach(const QString& screen, const QString& path) {
    auto* main = new FrmMain;
    main->show();
    control<QComboBox>(main, "CbWeek")->setCurrentIndex(0);
    for (const QString& step : path.split(' ', Qt::SkipEmptyParts)) {
        QWidget* form = window(visibleWindows().value(0));
        const QString name = step.section('=', 0, 0), value = step.section('=', 1);
        if (!step.contains('=')) {
            if (!click(form, name))
                return nullptr;
        } else if (auto* list = control<QComboBox>(form, name)) {
            list->setCurrentIndex(value.toInt());
            emit list->activated(value.toInt());
        } else if (auto* lines = control<QListWidget>(form, name)) {
            lines->setCurrentRow(value.toInt());
        } else {
            control<QLineEdit>(form, name)->setText(value);
        }
    }
    settle();
    return window(screen);
}

// Every screen: the way the secretary opens it (see reach()), its designed fonts ("Name
// points[b]", the last naming a control giving its font; "Lbl*" names those beginning so, an
// array's name its elements), and what Enter on a box or list shows ("": no main button).
const std::tuple<const char*, const char*, const char*, const char*> kScreens[] = {
    {"FrmMain", "", "* 9.75b, LblHeader 24b, CmdAdmin 12b, CmdRecord 12b, CmdReports 12b", ""},
    {"FrmSettings", "CmdAdmin CmdDistrict", "LblFormTitle 12b", "These settings are vital"},
    {"FrmTeamSelect", "CmdAdmin CmdTeam", "LblTitle 18b", ""},
    {"FrmTeam", "CmdAdmin CmdTeam CmdAddTeam", "LblTitle 18b", "This will save"},
    {"FrmCoach", "CmdAdmin CmdTeam CbTeam=0 CmdAddCoach", "Lbl* 8.25b, LblTitle 18b",
     "This will save"},
    {"FrmRiderSearch", "CmdAdmin CmdRider TxtSearchFor=Berg", "LblFormTitle 18b", "Berg"},
    {"FrmRiderEntry", "CmdAdmin CmdRider CmdAdd", "Lbl* 9.75b, Label1 9.75b, LblStateCode 8.25",
     "This will save"},
    {"FrmRiderEdit", "CmdAdmin CmdRider TxtSearchFor=Berg CmdSearch LbResults=0 CmdEdit",
     "Lbl* 9.75b, Label1 12b, LblStateCode 8.25", "This will save"},
    {"FrmRingAssign", "CmdRecord CmdRing", "Lbl* 9.75b, LabelArray 9.75b, LblTeamArray 8.25",
     "This will save"},
    {"FrmEntries", "CmdRecord CmdEntry", "LblTeamClass 12b, LblTeam 9.75b",
     "Please Provide the Team"},
    {"frmClassAssignments", "CmdRecord CmdEntry CbTeamName=0 CmdSubmit",
     "* 9.75, TxtTeam 9.75b, CmdApply 8.25, CmdCancel 8.25, lblrider 8.25, ChbArrayControl 8.25",
     "This will save all the changes made to this form. There are currently 1 entries"},
    {"FrmDataReports", "CmdRecord CmdEntry CmdReports", "Label1 12b, Label2 9.75b, Label3 9.75b",
     "Please Enter the Ring Number"},
    {"FrmAssignments", "CmdRecord Cmdplacings", "LblPlacings 12b, LblRing 8.25b, LblClass 8.25b",
     "You must provide the ring"},
    {"FrmPlaceAssign", "CmdRecord Cmdplacings CbRing=0 CbClass=3 CmdAddPlacings", "",
     "This will save"},
    {"FrmPointStanding", "CmdRecord Cmdplacings CmdViewPoints",
     "LblDistrict 18b, LblWeek 12b, LblTeamArray 9b", ""}};

// The screens that have `column` of kScreens, as rows of a data table with that column.
void screensWith(int column) {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("given");
    for (const auto& [screen, path, fonts, shown] : kScreens)
        if (*(column == 2 ? fonts : shown))
            QTest::newRow(screen) << QString(path) << QString(column == 2 ? fonts : shown);
}

} // namespace

class TestApp : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }

    void startShowsItsFirstWindowOrWhyItCannot_data() {
        QTest::addColumn<QStringList>("stored"); // district, rings; "-": not stored
        QTest::addColumn<QString>("fault");      // see spoil()
        QTest::addColumn<int>("numRings");       // 0: not set up; -1: the program does not start
        QTest::addColumn<QString>("said");       // in the one box shown, %1 the database's path
        const auto row = [](const char* name, const QStringList& stored, int numRings,
                            const QString& said = "", const char* fault = "") {
            QTest::newRow(name) << stored << QString(fault) << numRings << said;
        };
        const auto unusable = [&](const char* name, const char* fault, const QString& said) {
            row(name, {"4", "2"}, -1, said, fault);
        };
        row("nothing stored", {"-", "-"}, 0);
        row("district NA", {"NA", "2"}, 0);
        row("twelve rings, the district's spaces kept", {"  ab ", "12"}, 12);
        row("more than twelve rings", {"12", "13"}, 0);
        unusable("database missing", "missing", "\"%1\" was not found");
        unusable("text file", "text", "\"%1\" is not a ColtsTracker database");
        unusable("truncated", "truncate", "%1");
        unusable("newer version", "PRAGMA user_version = 99", "newer version");
        unusable("other program's database", "PRAGMA application_id = 7",
                 "is not a ColtsTracker database");
        unusable("damaged all through", "damage", "\"%1\" is damaged and cannot be used");
        unusable("an index out of step", "index", "\"%1\" is damaged and cannot be used");
        unusable("a table missing", "DROP TABLE TblRing", "is incomplete and cannot be used");
        unusable("a column missing", "ALTER TABLE TblPerson DROP COLUMN Zip",
                 "the table TblPerson has no column Zip");
        unusable("older, one partner twice", "older, one partner twice",
                 "\"%1\" could not be brought up to date");
        row("older, brought up to date", {"4", "2"}, 2, "", "older");
        row("backup that fails is reported once", {"4", "2"}, 2,
            "ColtsTracker could not write its automatic backup", "backup");
    }
    void startShowsItsFirstWindowOrWhyItCannot() {
        QFETCH(QStringList, stored);
        QFETCH(QString, fault);
        QFETCH(int, numRings);
        QFETCH(QString, said);
        TestProgram program(false);
        const QString path = program.databasePath();
        TestProgram::setDistrict(stored[0], stored[1]);
        QVERIFY(fault.isEmpty() || spoil(program, fault));
        const QByteArray before = fileBytes(path);
        const auto result = Startup::start(16000, 12000, program.folder());
        QCOMPARE(result.running, numRings >= 0);
        QCOMPARE(program.presenter.shown.size(), said.isEmpty() ? 0 : 1);
        const QString text = program.presenter.lastText();
        QVERIFY2(text.contains(QString(said).replace("%1", path)), qPrintable(text));
        // One or two sentences and a few lines of detail: the box fits an 800 x 600 screen.
        QVERIFY2(text.count('\n') <= 8, qPrintable(text));
        if (numRings < 0) { // an unusable database is named, and left as it was
            QCOMPARE(result.exitCode, Startup::kDatabaseUnusable);
            QVERIFY(visibleWindows().isEmpty() && text.contains(path));
            QCOMPARE(QFile::exists(path), fault != "missing");
            QCOMPARE(fileBytes(path), before);
            if (fault.startsWith("older")) // copied before the upgrade was tried
                QCOMPARE(Backups::existing(path).size(), 1);
            return;
        }
        QCOMPARE(::stored("PRAGMA user_version"), "2");
        QCOMPARE(AppState::NumRings, qint16(numRings));
        QCOMPARE(AppState::DistrictNum, numRings ? stored[0] : QString());
        QCOMPARE(visibleWindows(), QStringList{numRings ? "FrmMain" : "FrmSettings"});
        if (!numRings) { // closed, the settings form leaves the main form unset
            window("FrmSettings")->close();
            settle();
            QCOMPARE(visibleWindows(), QStringList{"FrmMain"});
        }
        QCOMPARE(header(), "Welcome to District " + AppState::DistrictNum + " Data Tracker");
    }

    void everyStartAfterAChangeKeepsABackup() {
        TestProgram program(false);
        TestProgram::setDistrict("4", "2");
        const QString path = program.databasePath();
        const QString leftover =
            Backups::folderFor(path) + "/VORNColts-2026-12-06-2041.mdb.partial";
        for (int start = 1; start <= 3; ++start) { // a change made before the third only
            QVERIFY(Startup::start(16000, 12000, program.folder()).running);
            QCOMPARE(Backups::existing(path).size(), start < 3 ? 1 : 2);
            QVERIFY(!QFile::exists(leftover) && !QFile::exists(leftover + "-journal"));
            if (start == 1) { // a clock that was once wrong dated the copy ahead
                QFile copy(Backups::existing(path)[0]);
                QVERIFY(copy.open(QIODevice::ReadWrite));
                QVERIFY(copy.setFileTime(QDateTime::currentDateTime().addYears(1),
                                         QFileDevice::FileModificationTime));
            }
            if (start == 2) {
                Sql::run("INSERT INTO TblTeam (TeamName, Division) VALUES ('Fox Run', 'A')");
                // A start killed while writing its backup.
                QVERIFY(QFile(leftover).open(QIODevice::WriteOnly) &&
                        QFile(leftover + "-journal").open(QIODevice::WriteOnly));
            }
            program.end();
        }
        QVERIFY(program.presenter.shown.isEmpty());
        // The newest copy is a whole database, with the change.
        QCOMPARE(DatabaseFile::open(Backups::existing(path)[0], Sql::kConnectionName).failure,
                 QString());
        QCOMPARE(stored("SELECT TeamName FROM TblTeam"), "Fox Run");
    }

    void damagedDatabaseOffersTheNewestGoodBackup_data() {
        QTest::addColumn<QString>("fault"); // see spoil()
        QTest::addColumn<bool>("restore");
        QTest::addColumn<QString>("said");
        QTest::newRow("restored") << "damage" << true << "is damaged and cannot be used";
        QTest::newRow("declined") << "damage" << false << "is damaged and cannot be used";
        QTest::newRow("a table missing, restored")
            << "DROP TABLE TblRing" << true << "is incomplete and cannot be used";
    }
    void damagedDatabaseOffersTheNewestGoodBackup() {
        QFETCH(QString, fault);
        QFETCH(bool, restore);
        QFETCH(QString, said);
        TestProgram program;
        TestProgram::setDistrict("4", "2");
        const QString path = program.databasePath();
        Sql::run("INSERT INTO TblTeam (TeamName, Division) VALUES ('Fox Run', 'A')");
        for (int minute : {41, 42}) // the newer copy spoilt itself
            QCOMPARE(
                Backups::write(Sql::db(), path, {QDate(2026, 12, 6), QTime(20, minute)}).failure,
                QString());
        QFile newer(Backups::existing(path)[0]);
        QVERIFY(newer.open(QIODevice::WriteOnly) && newer.write("not a database") > 0);
        newer.close();
        program.closeDatabase();
        QVERIFY(spoil(program, fault));
        const QByteArray damaged = fileBytes(path);
        program.presenter.answer({restore ? Answer::Yes : Answer::No});
        QCOMPARE(Startup::start(16000, 12000, program.folder()).running, restore);
        const QStringList texts = program.presenter.texts();
        QVERIFY2(
            texts.size() == 1 && texts[0].contains(said) &&
                texts[0].endsWith("Restore the newest good backup, from 2026-12-06 20:41, now?"),
            qPrintable(texts.join('\n')));
        QCOMPARE(fileBytes(path) == damaged, !restore);
        if (!restore)
            return;
        QCOMPARE(visibleWindows(), QStringList{"FrmMain"});
        QCOMPARE(stored("SELECT group_concat(TeamName) FROM TblTeam"), "Fox Run");
        const QDir folder(Backups::folderFor(path));
        const QStringList kept = folder.entryList({"*-damaged.mdb"});
        QVERIFY(kept.size() == 1 && fileBytes(folder.filePath(kept[0])) == damaged);
        // The spoilt file is kept aside, never among the backups: only the newer copy that
        // spoilt itself fails the check.
        const QStringList copies = Backups::existing(path);
        QCOMPARE(
            std::count_if(copies.begin(), copies.end(),
                          [](const QString& copy) { return !DatabaseFile::checkCopy(copy).ok(); }),
            1);
    }

    void backupChosenOnTheSettingsFormTakesThePlaceOfTheRecords() {
        TestProgram program(false);
        TestProgram::setDistrict("4", "2");
        QVERIFY(Startup::start(16000, 12000, program.folder()).running);
        Sql::run("INSERT INTO TblTeam (TeamName, Division) VALUES ('Fox Run', 'A')");
        QWidget* settings = openScreen("CmdAdmin", "CmdDistrict", "FrmSettings");
        QVERIFY(click(settings, "CmdBackups"));
        QWidget* backups = window("FrmBackups");
        const QRegularExpression line(
            "^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d    teams (\\d), riders 0, "
            "entries 0, placings 0$");
        QCOMPARE(items(backups, "LstBackups").size(), 1);
        control<QListWidget>(backups, "LstBackups")->setCurrentRow(0);
        program.presenter.answer({Answer::Yes});
        QVERIFY(click(backups, "CmdRestore"));
        QCOMPARE(count("SELECT COUNT(*) FROM TblTeam"), 0);
        // The records as they were are the newest backup now.
        QStringList teams;
        for (const QString& item : items(backups, "LstBackups"))
            teams << line.match(item).captured(1);
        QCOMPARE(teams, (QStringList{"1", "0"}));
        QVERIFY(program.presenter.lastText().startsWith("The backup from "));
        program.presenter.answer({Answer::Yes});
        QVERIFY(click(backups, "CmdClose") && click(settings, "CmdCancel"));
        QVERIFY(openScreen("CmdAdmin", "CmdTeam", "FrmTeamSelect"));
    }

    void backupsKeepTheNewestTwentyUnderNamesOfTheirOwn() {
        TestProgram program;
        const QString path = program.databasePath();
        const QDateTime first(QDate(2026, 12, 6), QTime(20, 41));
        for (int k = 0; k < 3; ++k) // one minute, three names
            QCOMPARE(Backups::write(Sql::db(), path, first).failure, QString());
        for (int k = 1; k <= 20; ++k)
            QCOMPARE(Backups::write(Sql::db(), path, first.addSecs(60 * k)).failure, QString());
        const QStringList copies = Backups::existing(path);
        QCOMPARE(copies.size(), 20);
        QVERIFY(copies.first().endsWith("/Backups/VORNColts-2026-12-06-2101.mdb"));
        QVERIFY(copies.last().endsWith("/Backups/VORNColts-2026-12-06-2042.mdb"));
    }

    void everyScreenShowsItsDesignedFonts_data() { screensWith(2); }
    void everyScreenShowsItsDesignedFonts() {
        QFETCH(QString, path);
        QFETCH(QString, given);
        TestProgram program(addDistrict);
        QWidget* form = reach(QTest::currentDataTag(), path);
        QVERIFY(form);
        const auto named = form->findChildren<QWidget*>(QRegularExpression("^[^q]"));
        QHash<QWidget*, QString> designed;
        for (const QString& entry : given.split(", ")) {
            const auto name =
                QRegularExpression::fromWildcard(entry.section(' ', 0, 0), Qt::CaseSensitive);
            bool found = false;
            for (QWidget* w : named) {
                if (name.match(w->objectName().section('(', 0, 0)).hasMatch()) {
                    designed[w] = w->objectName() + " " + entry.section(' ', 1);
                    found = true;
                }
            }
            QVERIFY2(found, qPrintable(entry));
        }
        for (QWidget* w : designed.keys())
            QCOMPARE(w->objectName() + " " + QString::number(w->font().pixelSize() * 0.75) +
                         (w->font().bold() ? "b" : ""),
                     designed[w]);
    }

    // Enter on a box or list presses the main button (No to its save question): its first
    // message box, or what it shows. Escape then asks the Cancel question where there is a
    // Cancel button (No keeps the screen), and elsewhere closes as the close box does.
    void enterAndEscapeOnEveryScreen_data() { screensWith(3); }
    void enterAndEscapeOnEveryScreen() {
        QFETCH(QString, path);
        QFETCH(QString, given);
        TestProgram program(addDistrict);
        const QString screen = QTest::currentDataTag();
        QWidget* form = reach(screen, path);
        QVERIFY(form);
        for (QWidget* w : form->findChildren<QWidget*>())
            if (!qobject_cast<QPushButton*>(w) && w->focusPolicy() & Qt::TabFocus &&
                w->isVisible()) {
                w->setFocus();
                break;
            }
        QVERIFY(!qobject_cast<QPushButton*>(QApplication::focusWidget()));
        if (given.startsWith("Th"))
            program.presenter.answer({Answer::No});
        QTest::keyClick(form, Qt::Key_Return);
        settle();
        QVERIFY((program.presenter.texts().value(0) + items(form, "LbResults").value(0))
                    .contains(given));
        QCOMPARE(visibleWindows(), QStringList{screen});
        const bool cancels = control(form, "CmdCancel");
        if (cancels)
            program.presenter.answer({Answer::No});
        const int boxes = program.presenter.shown.size();
        QTest::keyClick(form, Qt::Key_Escape);
        settle();
        QCOMPARE(program.presenter.shown.size(), boxes + cancels);
        QCOMPARE(program.presenter.lastText() == Texts::kCancelQuestion, cancels);
        QCOMPARE(visibleWindows().contains(screen), cancels);
        QCOMPARE(visibleWindows().size(), 1);
    }

    void settingsFormStoresOnlyWhatItAccepts_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QStringList>("entered"); // district, rings
        QTest::addColumn<QString>("said"); // after the question; %1 the settings file, %2 its home
        const QString unstored = "The district settings could not be stored in \"%1\": %3. Nothing "
                                 "was changed; move or rename that %4 and save again.";
        QTest::newRow("twelve rings, more than the list offers")
            << "" << QStringList{"B 12", "12"} << "";
        QTest::newRow("more than twelve rings")
            << "" << QStringList{"5", "13"}
            << "The Number of Rings must be a whole number from 1 to 12.";
        QTest::newRow("settings that cannot be stored: a folder in the file's place")
            << "folder" << QStringList{"10", "2"}
            << unstored.arg("%1", "a folder of that name is in its place", "folder");
        QTest::newRow("settings that cannot be stored: their home is a file")
            << "home" << QStringList{"10", "2"}
            << unstored.arg("%1", "\"%2\" is a file, not a folder", "file");
    }
    void settingsFormStoresOnlyWhatItAccepts() {
        QFETCH(QString, fault);
        QFETCH(QStringList, entered);
        QFETCH(QString, said);
        TestProgram program(false);
        TestProgram::setDistrict("9", "3");
        QVERIFY(Startup::start(16000, 12000, program.folder()).running);
        QWidget* settings = openScreen("CmdAdmin", "CmdDistrict", "FrmSettings");
        QVERIFY(settings);
        QCOMPARE(typed(settings), (QStringList{"9", "3"}));
        const QString home = program.folder() + "/settings";
        const QString file = home + "/ColtsTracker/ColtsTracker.conf";
        if (fault == "folder")
            QVERIFY(QFile::remove(file) && QDir().mkpath(file));
        if (fault == "home")
            QVERIFY(QDir(home).removeRecursively() && QFile(home).open(QIODevice::WriteOnly));
        fill(settings, entered);
        program.presenter.answer({Answer::Yes});
        QVERIFY(click(settings, "CmdSubmit"));
        QStringList shown{kVital};
        if (!said.isEmpty())
            shown << QString(said).replace("%1", file).replace("%2", home);
        QCOMPARE(program.presenter.texts(), shown);
        QCOMPARE(visibleWindows(), QStringList{said.isEmpty() ? "FrmMain" : "FrmSettings"});
        const QString now = said.isEmpty() ? entered.join('/') : "9/3";
        QCOMPARE(AppState::DistrictNum + "/" + QString::number(AppState::NumRings), now);
        if (fault.isEmpty())
            QCOMPARE(TestProgram::storedDistrict(), now);
        if (said.isEmpty())
            QCOMPARE(header(), "Welcome to District " + entered[0] + " Data Tracker");
        else // kept to be put right
            QCOMPARE(typed(settings), entered);
    }

    void settingsFileThatCannotBeReadIsKeptAndReplaced_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
        QTest::newRow("a line it cannot read")
            << QByteArray("[ProgramConst\nDistrictNumber=5\nNumberofRings=3\n");
    }
    void settingsFileThatCannotBeReadIsKeptAndReplaced() {
        QFETCH(QByteArray, content);
        TestProgram program(false);
        const QString home = program.folder() + "/settings/ColtsTracker";
        QFile file(home + "/ColtsTracker.conf");
        QVERIFY(QDir().mkpath(home) && file.open(QIODevice::WriteOnly) && file.write(content) > 0);
        file.close();
        QVERIFY(Startup::start(16000, 12000, program.folder()).running);
        // Said once, naming the file; the district is asked for as on the first start.
        const QStringList said = program.presenter.texts();
        QVERIFY2(said.size() == 1 && said[0].startsWith("The settings file \"" + file.fileName() +
                                                        "\" cannot be read"),
                 qPrintable(said.join('\n')));
        QWidget* settings = window("FrmSettings");
        QVERIFY(settings && settings->isVisible());
        fill(settings, {"10", "2"});
        program.presenter.answer({Answer::Yes});
        QVERIFY(click(settings, "CmdSubmit"));
        QCOMPARE(program.presenter.texts(), said + QStringList{kVital});
        QCOMPARE(visibleWindows(), QStringList{"FrmMain"});
        QCOMPARE(TestProgram::storedDistrict(), "10/2");
        const QStringList kept = QDir(home).entryList({"ColtsTracker.conf.unreadable-*"});
        QCOMPARE(kept.size(), 1);
        QCOMPARE(fileBytes(home + "/" + kept[0]), content);
        // The next start reads the new file and says nothing.
        program.end();
        QVERIFY(Startup::start(16000, 12000, program.folder()).running);
        QCOMPARE(program.presenter.texts().size(), 2);
        QCOMPARE(AppState::DistrictNum + "/" + QString::number(AppState::NumRings), "10/2");
    }

    void realMessageBoxWarnsAndEscapeAnswersNo() {
        Messages::BoxPresenter presenter;
        QStringList seen; // title, whether it warns, buttons
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            seen << box->windowTitle() << (box->icon() == QMessageBox::Warning ? "!" : "-");
            for (auto* b : box->buttons())
                seen << b->text().remove('&');
            QTest::keyClick(box, Qt::Key_Escape);
        });
        QCOMPARE(presenter.present({MessageRequest::Kind::Confirmation, "Confirm Cancel", "Sure?"}),
                 Answer::No);
        seen.sort();
        QCOMPARE(seen, (QStringList{"!", "Confirm Cancel", "No", "Yes"}));
    }
};

QTEST_MAIN(TestApp)
#include "tst_app.moc"
