// Start-up, the main control form and the district settings, driven as the secretary would.
#include "app/AppState.h"
#include "app/ControlArray.h"
#include "app/Controls.h"
#include "app/DistrictSettings.h"
#include "app/FormBase.h"
#include "app/FrmMain.h"
#include "app/Startup.h"
#include "app/Twips.h"
#include "data/Backups.h"
#include "data/Sql.h"
#include "data/Transaction.h"
#include "support/Faults.h"
#include "support/TestProgram.h"
#include "support/Texts.h"

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSqlQuery>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>

using Answer = MessagePresenter::Answer;

namespace {

Startup::Result startProgram(const TestProgram& program, qint32 w = 16000, qint32 h = 12000) {
    return Startup::start(w, h, program.folder());
}

QStringList visibleButtons(QWidget* form) {
    QStringList names;
    for (auto* b : form->findChildren<QPushButton*>()) {
        if (b->isVisibleTo(form))
            names << QStringLiteral("%1@%2").arg(b->objectName()).arg(Twips::fromPixels(b->y()));
    }
    names.sort();
    return names;
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestApp : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }

    void startsWithSettingsFormWhenNothingIsStored() {
        TestProgram program(false);
        const auto result = startProgram(program);
        QVERIFY(result.running);
        QCOMPARE(visibleWindows(), QStringList{"FrmSettings"});
        QVERIFY(window("FrmMain")); // loaded, hidden
        auto* settings = window("FrmSettings");
        QVERIFY(settings);
        QVERIFY(!control<QPushButton>(settings, "CmdCancel")->isEnabled());
        QCOMPARE(control<QLineEdit>(settings, "TxtDistrictNum")->text(), QString());
        QCOMPARE(control<QComboBox>(settings, "CbNumRings")->currentText(), QString());
        QCOMPARE(AppState::DistrictNum, QString());
        QCOMPARE(AppState::NumRings, qint16(0));
    }

    void districtDecidesWhetherTheProgramIsSetUp_data() {
        QTest::addColumn<QString>("district");
        QTest::addColumn<QString>("rings"); // "-" leaves the key out
        QTest::addColumn<bool>("setUp");
        QTest::addColumn<int>("numRings");
        QTest::newRow("district, no ring count") << "12"
                                                 << "-" << true << 2;
        QTest::newRow("both stored") << "12"
                                     << "3" << true << 3;
        QTest::newRow("district NA") << "NA"
                                     << "2" << false << 0;
        QTest::newRow("district na is a number") << "na"
                                                 << "2" << true << 2;
        QTest::newRow("ring count NA") << "12"
                                       << "NA" << false << 0;
        QTest::newRow("ring count fraction") << "12"
                                             << "2.5" << false << 0;
        QTest::newRow("ring count words") << "12"
                                          << "two" << false << 0;
        QTest::newRow("ring count zero") << "12"
                                         << "0" << false << 0;
        QTest::newRow("ring count above twelve") << "12"
                                                 << "13" << false << 0;
    }
    void districtDecidesWhetherTheProgramIsSetUp() {
        QFETCH(QString, district);
        QFETCH(QString, rings);
        QFETCH(bool, setUp);
        QFETCH(int, numRings);
        TestProgram program(false);
        TestProgram::writeSetting("DistrictNumber", district);
        if (rings != "-")
            TestProgram::writeSetting("NumberofRings", rings);
        QVERIFY(startProgram(program).running);
        QCOMPARE(visibleWindows(), QStringList{setUp ? "FrmMain" : "FrmSettings"});
        QCOMPARE(AppState::NumRings, qint16(numRings));
        QCOMPARE(AppState::DistrictNum, setUp ? district : QString());
        QCOMPARE(AppState::DBPath, program.folder() + "/VORNColts.mdb");
    }

    void screenSizeIsChecked_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("runs");
        QTest::newRow("exactly 800 x 600") << 12000 << 9000 << true;
        QTest::newRow("one pixel narrower") << 11985 << 9000 << false;
        QTest::newRow("one pixel lower") << 12000 << 8985 << false;
        QTest::newRow("wider than 16 bits") << 40000 << 30000 << true;
    }
    void screenSizeIsChecked() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, runs);
        TestProgram program(false);
        TestProgram::setDistrict("4", 2);
        const auto result = startProgram(program, width, height);
        QCOMPARE(result.running, runs);
        QCOMPARE(AppState::ScreenWidth, width);
        if (runs) {
            QVERIFY(program.presenter.shown.isEmpty());
            QCOMPARE(visibleWindows(), QStringList{"FrmMain"});
            return;
        }
        QCOMPARE(result.exitCode, Startup::kScreenTooSmall);
        QCOMPARE(program.presenter.texts(),
                 QStringList{"Gallomark cannot be used on a machine having a screen resolution "
                             "less than 800X600 DPI"});
        QCOMPARE(program.presenter.lastTitle(), QString("ColtsTracker"));
        QVERIFY(!Sql::db().isValid()); // nothing opened
        QVERIFY(visibleWindows().isEmpty());
        QVERIFY(!window("FrmMain"));
    }

    void unusableDatabaseIsReportedAndLeftAlone_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("expected");
        QTest::newRow("missing") << "missing"
                                 << "was not found";
        QTest::newRow("text file") << "text"
                                   << "is not a ColtsTracker database";
        QTest::newRow("truncated") << "truncate"
                                   << "VORNColts.mdb";
        QTest::newRow("newer version") << "newer"
                                       << "newer version";
        QTest::newRow("other program's database") << "foreign"
                                                  << "is not a ColtsTracker database";
        QTest::newRow("damaged all through") << "damage"
                                             << "is damaged and cannot be used";
        QTest::newRow("a table missing") << "drop table"
                                         << "is incomplete and cannot be used";
        QTest::newRow("a column missing") << "drop column"
                                          << "the table TblPerson has no column Zip";
    }
    void unusableDatabaseIsReportedAndLeftAlone() {
        QFETCH(QString, damage);
        QFETCH(QString, expected);
        TestProgram program(false);
        TestProgram::setDistrict("4", 2);
        const QString path = program.databasePath();
        if (damage == "missing") {
            QFile::remove(path);
        } else if (damage == "text") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write("Riders of district 4\nnot a database at all\n");
        } else if (damage == "truncate") {
            QFile f(path);
            QVERIFY(f.resize(f.size() / 2 + 100));
        } else if (damage == "damage") {
            program.openDatabase();
            Transaction tx;
            for (int k = 0; k < 3000; ++k)
                Sql::run("INSERT INTO TblPerson (RiderNumber, LastName, TeamCode) VALUES (?, ?, 1)",
                         {k, QString("Rider number %1").arg(k)});
            tx.commit();
            program.closeDatabase();
            Faults::damage(path);
        } else {
            program.openDatabase();
            const QMap<QString, QString> change{
                {"newer", "PRAGMA user_version = 99"},
                {"foreign", "PRAGMA application_id = 7"},
                {"drop table", "DROP TABLE TblRing"},
                {"drop column", "ALTER TABLE TblPerson DROP COLUMN Zip"}};
            Sql::run(change.value(damage));
            program.closeDatabase();
        }
        const QByteArray before = fileBytes(path);
        const auto result = startProgram(program);
        QVERIFY(!result.running);
        QCOMPARE(result.exitCode, Startup::kDatabaseUnusable);
        QCOMPARE(program.presenter.shown.size(), 1);
        QVERIFY2(program.presenter.lastText().contains(expected),
                 qPrintable(program.presenter.lastText()));
        QVERIFY(program.presenter.lastText().contains(path));
        // One or two sentences and a few lines of detail: the box fits an 800 x 600 screen.
        QVERIFY2(program.presenter.lastText().count('\n') <= 8,
                 qPrintable(program.presenter.lastText()));
        QVERIFY(visibleWindows().isEmpty());
        QCOMPARE(QFile::exists(path), damage != "missing");
        QCOMPARE(fileBytes(path), before);
    }

    void everyStartAfterAChangeKeepsABackup() {
        TestProgram program(false);
        TestProgram::setDistrict("4", 2);
        const QString path = program.databasePath();
        QVERIFY(startProgram(program).running);
        QCOMPARE(Backups::existing(path).size(), 1);
        program.end();
        QVERIFY(startProgram(program).running); // nothing changed since
        QCOMPARE(Backups::existing(path).size(), 1);
        Sql::run("INSERT INTO TblTeam (TeamName, Division) VALUES ('Fox Run', 'A')");
        program.end();
        QVERIFY(startProgram(program).running);
        const QStringList copies = Backups::existing(path);
        QCOMPARE(copies.size(), 2);
        QVERIFY(program.presenter.shown.isEmpty());
        QVERIFY2(QRegularExpression(R"(/Backups/VORNColts-\d{4}-\d\d-\d\d-\d{4}(\d\d)?\.mdb$)")
                     .match(copies[0])
                     .hasMatch(),
                 qPrintable(copies[0]));
        // The newest copy is a whole database that any SQLite tool reads, with the change.
        {
            QSqlDatabase plain = QSqlDatabase::addDatabase("QSQLITE", "plain");
            plain.setDatabaseName(copies[0]);
            QVERIFY(plain.open());
            QSqlQuery q(plain);
            QVERIFY(q.exec("PRAGMA integrity_check") && q.next());
            QCOMPARE(q.value(0).toString(), QString("ok"));
            QVERIFY(q.exec("SELECT TeamName FROM TblTeam") && q.next());
            QCOMPARE(q.value(0).toString(), QString("Fox Run"));
        }
        QSqlDatabase::removeDatabase("plain");
    }

    void backupsKeepTheNewestTwentyUnderNamesOfTheirOwn() {
        TestProgram program;
        const QString path = program.databasePath();
        const QDateTime first(QDate(2026, 12, 6), QTime(20, 41));
        for (int k = 0; k < 3; ++k) // one minute, three names
            QCOMPARE(Backups::write(Sql::db(), path, first), QString());
        for (int k = 1; k <= 20; ++k)
            QCOMPARE(Backups::write(Sql::db(), path, first.addSecs(60 * k)), QString());
        const QStringList copies = Backups::existing(path);
        QCOMPARE(copies.size(), 20);
        QVERIFY(copies.first().endsWith("VORNColts-2026-12-06-2101.mdb"));
        QVERIFY(copies.last().endsWith("VORNColts-2026-12-06-2042.mdb"));
    }

    void backupThatFailsIsReportedOnceAndTheProgramGoesOn() {
        TestProgram program(false);
        TestProgram::setDistrict("4", 2);
        QFile blocker(Backups::folderFor(program.databasePath()));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        QVERIFY(startProgram(program).running);
        QCOMPARE(visibleWindows(), QStringList{"FrmMain"});
        QCOMPARE(program.presenter.shown.size(), 1);
        QVERIFY(program.presenter.lastText().startsWith(
            "ColtsTracker could not write its automatic backup"));
    }

    void groupButtonsShowTheirFunctionsInTheSamePlaces() {
        TestProgram program(false);
        TestProgram::setDistrict("4", 2);
        QVERIFY(startProgram(program).running);
        QWidget* main = window("FrmMain");
        QVERIFY(main);
        const QStringList groups = {"CmdAdmin@2040", "CmdRecord@3960", "CmdReports@5880"};
        QCOMPARE(visibleButtons(main), groups);
        QVERIFY(control<QComboBox>(main, "CbWeek")->isVisibleTo(main));

        QVERIFY(click(main, "CmdReports"));
        QCOMPARE(visibleButtons(main), groups + QStringList{"CmdStandingsRpt@1680"});
        QVERIFY(click(main, "CmdAdmin"));
        QStringList admin =
            groups + QStringList{"CmdDistrict@1680", "CmdRider@5760", "CmdTeam@3720"};
        admin.sort();
        QCOMPARE(visibleButtons(main), admin);
        QVERIFY(click(main, "CmdRecord"));
        QStringList record =
            groups + QStringList{"CmdEntry@3720", "CmdRing@1680", "Cmdplacings@5760"};
        record.sort();
        QCOMPARE(visibleButtons(main), record);
        QVERIFY(click(main, "CmdRecord"));
        QCOMPARE(visibleButtons(main), record);
    }

    void functionCaptionsWrapInsteadOfNarrowing() {
        TestProgram program(false);
        TestProgram::setDistrict("4", 2);
        QVERIFY(startProgram(program).running);
        QWidget* main = window("FrmMain");
        QVERIFY(main);
        for (const char* name : {"CmdTeam", "CmdRider", "CmdRing"}) {
            auto* button = control<QPushButton>(main, name);
            QVERIFY2(button->font().stretch() == QFont::AnyStretch ||
                         button->font().stretch() == QFont::Unstretched,
                     name);
        }
        QCOMPARE(control<QPushButton>(main, "CmdTeam")->text(), QString("Team Management"));
    }

    void meetNumberFollowsTheSelector() {
        TestProgram program(false);
        TestProgram::setDistrict("4", 2);
        QVERIFY(startProgram(program).running);
        auto* main = qobject_cast<FrmMain*>(window("FrmMain"));
        QVERIFY(main);
        auto* week = control<QComboBox>(main, "CbWeek");
        QCOMPARE(week->currentText(), QString("1"));
        QCOMPARE(main->meetNumber(), qint16(1));
        week->setCurrentIndex(2);
        QCOMPARE(main->meetNumber(), qint16(3));
        week->setCurrentIndex(-1);
        QCOMPARE(main->meetNumber(), qint16(-1));
    }

    void titleGreetsWithTheDistrict() {
        TestProgram program(false);
        TestProgram::setDistrict("  ab ", 1);
        QVERIFY(startProgram(program).running);
        QWidget* main = window("FrmMain");
        QVERIFY(main);
        QCOMPARE(main->windowTitle(), QString("Main Control Form"));
        QCOMPARE(control<QLabel>(main, "LblHeader")->text(),
                 QString("Welcome to District   ab  Data Tracker"));
        auto* header = control<QLabel>(main, "LblHeader");
        QCOMPARE(header->geometry(), Twips::rect(840, 240, 8415, 735));
        QCOMPARE(header->accessibleDescription(), QString("LblHeader"));
        QVERIFY(header->accessibleName().isEmpty());
    }

    void settingsSubmitStoresBothValues_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("list value") << "3"
                                    << "3";
        QTest::newRow("beyond the list") << "4"
                                         << "4";
        QTest::newRow("leading zero") << "02"
                                      << "2";
        QTest::newRow("half rounds to even, down") << "2.5"
                                                   << "2";
        QTest::newRow("half rounds to even, up") << "3.5"
                                                 << "4";
        QTest::newRow("fraction") << "1.6"
                                  << "2";
    }
    void settingsSubmitStoresBothValues() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        TestProgram program(false);
        QVERIFY(startProgram(program).running);
        QWidget* settings = window("FrmSettings");
        QVERIFY(settings);
        control<QLineEdit>(settings, "TxtDistrictNum")->setText("B 12");
        control<QComboBox>(settings, "CbNumRings")->setEditText(typed);
        program.presenter.answer({Answer::Yes});
        QVERIFY(click(settings, "CmdSubmit"));
        QCOMPARE(program.presenter.shown.size(), 1);
        QCOMPARE(program.presenter.shown[0].kind, MessageRequest::Kind::Confirmation);
        QCOMPARE(program.presenter.lastTitle(), Texts::kConfirmTitle);
        QCOMPARE(TestProgram::readSetting("DistrictNumber"), QString("B 12"));
        QCOMPARE(TestProgram::readSetting("NumberofRings"), stored);
        QCOMPARE(AppState::NumRings, qint16(stored.toInt()));
        QCOMPARE(visibleWindows(), QStringList{"FrmMain"});
        QCOMPARE(control<QLabel>(window("FrmMain"), "LblHeader")->text(),
                 QString("Welcome to District B 12 Data Tracker"));
    }

    void settingsSubmitRefusesAndKeepsWhatWasTyped_data() {
        QTest::addColumn<QString>("district");
        QTest::addColumn<QString>("rings");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QString>("message"); // "" for none after the question
        const QString both = "Both the District Number and the Number of Rings must be specified "
                             "before you may Save these settings.";
        const QString count = "The Number of Rings must be a whole number from 1 to 12.";
        QTest::newRow("answered No") << "5"
                                     << "2" << Answer::No << "";
        QTest::newRow("no district") << ""
                                     << "2" << Answer::Yes << both;
        QTest::newRow("no ring count") << "5"
                                       << "" << Answer::Yes << both;
        QTest::newRow("words") << "5"
                               << "two" << Answer::Yes << count;
        QTest::newRow("zero") << "5"
                              << "0" << Answer::Yes << count;
        QTest::newRow("rounds to zero") << "5"
                                        << "0.4" << Answer::Yes << count;
        QTest::newRow("negative") << "5"
                                  << "-1" << Answer::Yes << count;
        QTest::newRow("too many") << "5"
                                  << "13" << Answer::Yes << count;
    }
    void settingsSubmitRefusesAndKeepsWhatWasTyped() {
        QFETCH(QString, district);
        QFETCH(QString, rings);
        QFETCH(Answer, answer);
        QFETCH(QString, message);
        TestProgram program(false);
        TestProgram::setDistrict("9", 3);
        QVERIFY(startProgram(program).running);
        QVERIFY(click(window("FrmMain"), "CmdAdmin"));
        QVERIFY(click(window("FrmMain"), "CmdDistrict"));
        QCOMPARE(visibleWindows(), QStringList{"FrmSettings"});
        QWidget* settings = window("FrmSettings");
        QVERIFY(settings);
        QCOMPARE(control<QLineEdit>(settings, "TxtDistrictNum")->text(), QString("9"));
        QCOMPARE(control<QComboBox>(settings, "CbNumRings")->currentText(), QString("3"));
        control<QLineEdit>(settings, "TxtDistrictNum")->setText(district);
        control<QComboBox>(settings, "CbNumRings")->setEditText(rings);
        program.presenter.answer({answer});
        QVERIFY(click(settings, "CmdSubmit"));
        QStringList expected{"These settings are vital to the programs operation and should not "
                             "be changed once information is entered into the program. Are you "
                             "sure you want to continue?"};
        if (!message.isEmpty())
            expected << message;
        QCOMPARE(program.presenter.texts(), expected);
        QCOMPARE(visibleWindows(), QStringList{"FrmSettings"});
        QCOMPARE(control<QLineEdit>(settings, "TxtDistrictNum")->text(), district);
        QCOMPARE(control<QComboBox>(settings, "CbNumRings")->currentText(), rings);
        QCOMPARE(AppState::DistrictNum, QString("9"));
        QCOMPARE(AppState::NumRings, qint16(3));
        QCOMPARE(TestProgram::readSetting("DistrictNumber"), QString("9"));
        QCOMPARE(TestProgram::readSetting("NumberofRings"), QString("3"));
    }

    void settingsThatCannotBeStoredAreReported_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder where the file should be") << "folder"
                                                           << "a folder of that name";
        QTest::newRow("the settings home is a file") << "home"
                                                     << "is a file, not a folder";
    }
    void settingsThatCannotBeStoredAreReported() {
        QFETCH(QString, fault);
        QFETCH(QString, reason);
        TestProgram program(false);
        TestProgram::setDistrict("9", 3);
        QVERIFY(startProgram(program).running);
        const QString home = program.folder() + "/settings";
        const QString file = home + "/ColtsTracker/ColtsTracker.conf";
        QVERIFY(QFile::exists(file));
        if (fault == "folder") {
            QVERIFY(QFile::remove(file) && QDir().mkpath(file));
        } else {
            QVERIFY(QDir(home).removeRecursively());
            QFile blocker(home);
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
        QVERIFY(click(window("FrmMain"), "CmdAdmin"));
        QVERIFY(click(window("FrmMain"), "CmdDistrict"));
        QWidget* settings = window("FrmSettings");
        QVERIFY(settings);
        control<QLineEdit>(settings, "TxtDistrictNum")->setText("10");
        control<QComboBox>(settings, "CbNumRings")->setEditText("2");
        program.presenter.clear();
        program.presenter.answer({Answer::Yes});
        QVERIFY(click(settings, "CmdSubmit"));
        QCOMPARE(program.presenter.shown.size(), 2);
        const QString said = program.presenter.lastText();
        QVERIFY2(said.contains(file) && said.contains(reason), qPrintable(said));
        QCOMPARE(visibleWindows(), QStringList{"FrmSettings"});
        QCOMPARE(control<QLineEdit>(settings, "TxtDistrictNum")->text(), QString("10"));
        QCOMPARE(AppState::DistrictNum, QString("9"));
        QCOMPARE(AppState::NumRings, qint16(3));
    }

    void settingsCancelAsksFirst() {
        TestProgram program(false);
        TestProgram::setDistrict("9", 3);
        QVERIFY(startProgram(program).running);
        QVERIFY(click(window("FrmMain"), "CmdAdmin"));
        QVERIFY(click(window("FrmMain"), "CmdDistrict"));
        QWidget* settings = window("FrmSettings");
        QVERIFY(settings);
        control<QLineEdit>(settings, "TxtDistrictNum")->setText("10");
        program.presenter.answer({Answer::No});
        QVERIFY(click(settings, "CmdCancel"));
        QCOMPARE(program.presenter.lastText(), Texts::kCancelQuestion);
        QCOMPARE(visibleWindows(), QStringList{"FrmSettings"});
        program.presenter.answer({Answer::Yes});
        QVERIFY(click(settings, "CmdCancel"));
        QCOMPARE(visibleWindows(), QStringList{"FrmMain"});
        QCOMPARE(TestProgram::readSetting("DistrictNumber"), QString("9"));
        QCOMPARE(AppState::DistrictNum, QString("9"));
        // Every opening starts fresh from the stored values.
        QVERIFY(click(window("FrmMain"), "CmdDistrict"));
        QCOMPARE(control<QLineEdit>(window("FrmSettings"), "TxtDistrictNum")->text(), QString("9"));
    }

    void closingTheFirstUseFormShowsTheMainFormUnset() {
        TestProgram program(false);
        QVERIFY(startProgram(program).running);
        window("FrmSettings")->close();
        settle();
        QCOMPARE(visibleWindows(), QStringList{"FrmMain"});
        QCOMPARE(control<QLabel>(window("FrmMain"), "LblHeader")->text(),
                 QString("Welcome to District  Data Tracker"));
        QVERIFY(TestProgram::readSetting("DistrictNumber").isEmpty());
    }

    void screensAreCentredOnTheKeptScreenSize_data() {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("window");
        QTest::addColumn<double>("origin");
        QTest::newRow("fits") << 12000 << 10245 << 877.5;
        QTest::newRow("same size") << 9000 << 9000 << 0.0;
        QTest::newRow("larger than the screen") << 9000 << 10000 << -500.0;
    }
    void screensAreCentredOnTheKeptScreenSize() {
        QFETCH(int, screen);
        QFETCH(int, window);
        QFETCH(double, origin);
        QCOMPARE(Twips::centredOrigin(screen, screen, window, window), QPointF(origin, origin));
    }

    void textThatDoesNotFitABoxIsNeverCutSilently() {
        TestProgram program(false);
        QWidget form;
        auto* box = Controls::textBox(&form, "TxtName", 0, 0, 1000, 300, 50);
        QApplication::clipboard()->setText(QString(40000, 'y'));
        box->setFocus();
        QTest::keySequence(box, QKeySequence::Paste);
        for (int k = 0; k < 3; ++k) // keys pressed at the limit before the notice shows
            QTest::keyClick(box, Qt::Key_Z);
        settle();
        QCOMPARE(box->text(), QString(50, 'y'));
        QCOMPARE(program.presenter.texts(),
                 QStringList{"This box holds at most 50 characters, so the text was not taken "
                             "in full. Check the box before you save."});
        box->clear();
        QTest::keyClicks(box, "fits");
        settle();
        QCOMPARE(program.presenter.shown.size(), 1);
    }

    void gridScreensAreGivenByTheirOuterSize_data() {
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<int>("screenHeight");
        QTest::newRow("800 x 600") << 12000 << 9000;
        QTest::newRow("1024 x 768") << 15360 << 11520;
    }
    void gridScreensAreGivenByTheirOuterSize() {
        QFETCH(int, screenWidth);
        QFETCH(int, screenHeight);
        FormBase form("FrmGrid", "Grid", 6000, 4000);
        form.setOuterGeometryTwips(50, 50, screenWidth - 100, screenHeight - 600);
        QCOMPARE(form.outerWidthTwips(), screenWidth - 100);
        QCOMPARE(form.outerHeightTwips(), screenHeight - 600);
        // The frame and title take their part: the client area is smaller.
        QVERIFY(Twips::fromPixels(form.width()) < screenWidth - 100);
        QVERIFY(Twips::fromPixels(form.height()) < screenHeight - 600);
        QCOMPARE(form.pos(), QPoint(3, 3));
    }

    void controlArrayElementsAreNamedAndReportTheirIndex() {
        QWidget form;
        ControlArray<QRadioButton> options("ObArray");
        QVector<int> clicked;
        options.add(Controls::optionButton(&form, "", "", 0, 0, 255, 255));
        options.connectEach(&QRadioButton::clicked, [&](int index) { clicked << index; });
        for (int k = 0; k < 2; ++k) // made later, and hidden: named and connected all the same
            options.add(Controls::optionButton(&form, "", "", 0, 0, 255, 255))->hide();
        QCOMPARE(options.count(), 3);
        QCOMPARE(options[3]->accessibleDescription(), QString("ObArray(3)"));
        QCOMPARE(control<QRadioButton>(&form, "ObArray(2)"), options[2]);
        QVERIFY(!options[0] && !options[4]);
        options[3]->click();
        options[1]->click();
        QCOMPARE(clicked, (QVector<int>{3, 1}));
    }

    void scrollBarsReportEachStepAndADraggedThumbOnRelease() {
        QWidget form;
        form.resize(100, 400);
        auto* bar = Controls::verticalScrollBar(&form, "TeamScroll", 0, 0, 255, 6000);
        bar->setRange(0, 10);
        form.show();
        QVector<int> reported;
        connect(bar, &QScrollBar::valueChanged, [&](int v) { reported << v; });
        const auto centre = [bar](QStyle::SubControl part) {
            QStyleOptionSlider option;
            option.initFrom(bar);
            option.orientation = Qt::Vertical;
            option.minimum = bar->minimum();
            option.maximum = bar->maximum();
            option.sliderPosition = option.sliderValue = bar->value();
            option.singleStep = bar->singleStep();
            option.pageStep = bar->pageStep();
            return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar).center();
        };
        QTest::mouseClick(bar, Qt::LeftButton, {}, centre(QStyle::SC_ScrollBarAddLine));
        QTest::mouseClick(bar, Qt::LeftButton, {}, centre(QStyle::SC_ScrollBarAddPage));
        QCOMPARE(reported, (QVector<int>{1, 2}));
        const QPoint thumb = centre(QStyle::SC_ScrollBarSlider);
        QTest::mousePress(bar, Qt::LeftButton, {}, thumb);
        QMouseEvent drag(QEvent::MouseMove, thumb + QPoint(0, 150), bar->mapToGlobal(thumb),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &drag);
        QCOMPARE(reported.size(), 2);
        QTest::mouseRelease(bar, Qt::LeftButton, {}, thumb + QPoint(0, 150));
        QCOMPARE(reported.size(), 3);
        QVERIFY(reported.last() > 2);
    }

    void realMessageBoxes() {
        Messages::BoxPresenter presenter;
        QString title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QStringList buttons;
        auto inspectAndPress = [&](int key) {
            QTimer::singleShot(0, [&, key] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                title = box->windowTitle();
                icon = box->icon();
                buttons.clear();
                for (auto* b : box->buttons())
                    buttons << b->text().remove('&');
                buttons.sort();
                QTest::keyClick(box, Qt::Key(key));
            });
        };
        inspectAndPress(Qt::Key_Escape);
        QCOMPARE(presenter.present({MessageRequest::Kind::Confirmation, "Confirm Cancel", "Sure?"}),
                 MessagePresenter::Answer::No);
        QCOMPARE(title, QString("Confirm Cancel"));
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(buttons, (QStringList{"No", "Yes"}));

        inspectAndPress(Qt::Key_Return);
        QCOMPARE(presenter.present({MessageRequest::Kind::Confirmation, "Confirm Cancel", "Sure?"}),
                 MessagePresenter::Answer::Yes);

        inspectAndPress(Qt::Key_Return);
        QCOMPARE(presenter.present({MessageRequest::Kind::Notice, "ColtsTracker", "Done"}),
                 MessagePresenter::Answer::Ok);
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(buttons, QStringList{"OK"});
    }
};

QTEST_MAIN(TestApp)
#include "tst_app.moc"
