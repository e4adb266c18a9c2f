// The ring assignment form: its layout rules, and what it shows and stores for a meet.
#include "app/AppState.h"
#include "app/FrmMain.h"
#include "app/Twips.h"
#include "data/Sql.h"
#include "rings/FrmRingAssign.h"
#include "rings/RingLayout.h"
#include "support/TestProgram.h"
#include "support/Texts.h"
#include "support/WriteLock.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

using Answer = MessagePresenter::Answer;

namespace {

qint64 addTeam(const QString& name, const QString& division) {
    return Sql::run("INSERT INTO TblTeam (TeamName, Division) VALUES (?, ?)", {name, division})
        .lastInsertId()
        .toLongLong();
}

void assign(int week, qint64 team, int ring) {
    Sql::run("INSERT INTO TblRing (Week, RingNumber, TeamCode) VALUES (?, ?, ?)",
             {week, ring, team});
}

// Opens the form from the main control form for meet `meet`, as the secretary does.
QWidget* openRings(int meet) {
    auto* main = new FrmMain;
    main->show();
    control<QComboBox>(main, "CbWeek")->setCurrentIndex(meet - 1);
    if (!click(main, "CmdRecord") || !click(main, "CmdRing"))
        return nullptr;
    return window("FrmRingAssign");
}

// The rings chosen on the form, row by row: "Oak Ridge (A)=2", 0 for none.
QStringList chosen(QWidget* form, int rings) {
    QStringList out;
    for (int i = 1; auto* team = control<QLabel>(form, QString("LblTeamArray(%1)").arg(i)); ++i) {
        int ring = 0;
        for (int r = 1; r <= rings; ++r) {
            if (control<QRadioButton>(form, QString("ObArray(%1)").arg((i - 1) * rings + r))
                    ->isChecked())
                ring = r;
        }
        out << QString("%1=%2").arg(team->text()).arg(ring);
    }
    return out;
}

QString storedRings(int week) {
    return stored("SELECT group_concat(TeamCode || ':' || RingNumber) FROM"
                  " (SELECT * FROM TblRing WHERE Week = ? ORDER BY TeamCode)",
                  {week});
}

} // namespace

class TestRings : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }

    void layoutFollowsTheRingCount_data() {
        QTest::addColumn<int>("rings");
        QTest::addColumn<int>("ringLeft");
        QTest::addColumn<int>("frameWidth");
        QTest::addColumn<int>("row3FirstOption");
        QTest::addColumn<int>("extraWidth");
        QTest::newRow("1 ring") << 1 << 3360 << 455 << 3 << 0;
        QTest::newRow("2 rings") << 2 << 3650 << 1055 << 5 << 0;
        QTest::newRow("3 rings") << 3 << 3940 << 1655 << 7 << 0;
        QTest::newRow("5 rings") << 5 << 4520 << 2855 << 11 << 1200;
        QTest::newRow("12 rings") << 12 << 6550 << 7055 << 25 << 5400;
    }
    void layoutFollowsTheRingCount() {
        QFETCH(int, rings);
        QFETCH(int, ringLeft);
        QFETCH(int, frameWidth);
        QFETCH(int, row3FirstOption);
        QFETCH(int, extraWidth);
        QCOMPARE(RingLayout::ringHeadingLeft(rings), ringLeft);
        QCOMPARE(RingLayout::frameWidth(rings), frameWidth);
        QCOMPARE(RingLayout::optionIndex(3, 1, rings), row3FirstOption);
        QCOMPARE(RingLayout::optionIndex(3, rings, rings), row3FirstOption + rings - 1);
        QCOMPARE(RingLayout::extraWidth(rings), extraWidth);
        // The widest form still fits the smallest screen the program accepts.
        QVERIFY(5625 + extraWidth + 120 <= 12000);
    }

    void viewAfterAScroll_data() {
        QTest::addColumn<int>("teams");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("maximum");
        QTest::newRow("no team") << 0 << 0 << 1 << 0 << 0;
        QTest::newRow("10 teams") << 10 << 0 << 1 << 10 << 0;
        QTest::newRow("15 teams") << 15 << 0 << 1 << 15 << 0;
        QTest::newRow("16 teams, top") << 16 << 0 << 1 << 15 << 1;
        QTest::newRow("16 teams, one step") << 16 << 1 << 2 << 16 << 1;
        QTest::newRow("200 teams, bottom") << 200 << 185 << 186 << 200 << 185;
    }
    void viewAfterAScroll() {
        QFETCH(int, teams);
        QFETCH(int, value);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(int, maximum);
        const RingLayout::View view = RingLayout::view(teams, value);
        QCOMPARE(view.first, first);
        QCOMPARE(view.last, last);
        QCOMPARE(RingLayout::scrollMaximum(teams), maximum);
    }

    void storedRingsShowAndSubmitReplacesOnlyThatMeet() {
        TestProgram program;
        const qint64 oak = addTeam("Oak Ridge", "B");
        const qint64 fox = addTeam("Fox Run", "A");
        const qint64 twin = addTeam("Oak Ridge", "B"); // same name and division: code decides
        const qint64 gone = 999;
        assign(2, oak, 2);
        assign(2, twin, 1);
        assign(2, gone, 1);
        assign(1, fox, 1);
        QWidget* form = openRings(2);
        QVERIFY(form);
        QCOMPARE(control<QLabel>(form, "LblWeekNum")->text(), QString("2"));
        QCOMPARE(chosen(form, 2),
                 (QStringList{"Fox Run (A)=0", "Oak Ridge (B)=2", "Oak Ridge (B)=1"}));
        QVERIFY(program.presenter.shown.isEmpty());

        control<QRadioButton>(form, "ObArray(2)")->click(); // Fox Run to ring 2
        control<QRadioButton>(form, "ObArray(5)")->click(); // the twin to ring 1 again
        program.presenter.answer({Answer::Yes});
        QVERIFY(click(form, "CmdSubmit"));
        QCOMPARE(program.presenter.texts(), QStringList{Texts::kSaveQuestion});
        QCOMPARE(visibleWindows(), QStringList{"FrmMain"});
        QCOMPARE(storedRings(2), QString("%1:2,%2:2,%3:1").arg(oak).arg(fox).arg(twin));
        QCOMPARE(storedRings(1), QString("%1:1").arg(fox));
    }

    void submitWithNothingChosenEmptiesTheMeet() {
        TestProgram program;
        const qint64 oak = addTeam("Oak Ridge", "B");
        assign(3, oak, 2);
        assign(1, oak, 1);
        QWidget* form = openRings(3);
        QVERIFY(form);
        control<QRadioButton>(form, "ObArray(2)")->setAutoExclusive(false);
        control<QRadioButton>(form, "ObArray(2)")->setChecked(false);
        program.presenter.answer({Answer::Yes});
        QVERIFY(click(form, "CmdSubmit"));
        QCOMPARE(count("SELECT COUNT(*) FROM TblRing WHERE Week = 3"), 0);
        QCOMPARE(storedRings(1), QString("%1:1").arg(oak));
    }

    void scrollingMovesTheRowsAndHiddenRowsKeepTheirChoices() {
        TestProgram program;
        for (int k = 1; k <= 16; ++k)
            addTeam(QString("Team %1").arg(k, 2, 10, QChar('0')), "A");
        QWidget* form = openRings(1);
        QVERIFY(form);
        auto* bar = control<QScrollBar>(form, "TeamScroll");
        QVERIFY(bar->isEnabled());
        QCOMPARE(bar->maximum(), 1);
        QVERIFY(!control<QLabel>(form, "LblTeamArray(16)")->isVisibleTo(form));
        control<QRadioButton>(form, "ObArray(1)")->click(); // team 1, ring 1

        QWheelEvent notch(QPointF(20, 200), form->mapToGlobal(QPointF(20, 200)), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(form, &notch);
        QCOMPARE(bar->value(), 1);
        QVERIFY(!control<QLabel>(form, "LblTeamArray(1)")->isVisibleTo(form));
        for (int i = 2; i <= 16; ++i) {
            auto* label = control<QLabel>(form, QString("LblTeamArray(%1)").arg(i));
            QVERIFY(label->isVisibleTo(form));
            QCOMPARE(label->y(), Twips::toPixels(1000 + 400 * (i - 2)));
            QVERIFY(control<QWidget>(form, QString("FrameArray(%1)").arg(i))->isVisibleTo(form));
        }
        bar->setValue(0);
        QVERIFY(control<QRadioButton>(form, "ObArray(1)")->isChecked());
        program.presenter.answer({Answer::Yes});
        QVERIFY(click(form, "CmdSubmit"));
        QCOMPARE(count("SELECT COUNT(*) FROM TblRing WHERE Week = 1 AND RingNumber = 1"), 1);
    }

    void ringBeyondTheRingCountSelectsNothingAndIsReported() {
        TestProgram program;
        AppState::NumRings = 2;
        const qint64 oak = addTeam("Oak Ridge", "B");
        const qint64 fox = addTeam("Fox Run", "A");
        assign(1, oak, 3); // the district ran 3 rings then
        assign(1, fox, 2);
        QWidget* form = openRings(1);
        QVERIFY(form);
        settle();
        QCOMPARE(chosen(form, 2), (QStringList{"Fox Run (A)=2", "Oak Ridge (B)=0"}));
        QCOMPARE(program.presenter.texts(),
                 QStringList{"These teams were assigned to a ring the district no longer runs (it "
                             "runs 2 rings now), so they show no ring for meet 1: Oak Ridge (B). "
                             "Choose their rings and press Submit."});
    }

    void saveUnderALockChangesNothingAndKeepsTheChoices() {
        TestProgram program;
        const qint64 oak = addTeam("Oak Ridge", "B");
        assign(1, oak, 1);
        QWidget* form = openRings(1);
        QVERIFY(form);
        control<QRadioButton>(form, "ObArray(2)")->click();
        {
            WriteLock lock(program);
            program.presenter.answer({Answer::Yes});
            QVERIFY(click(form, "CmdSubmit"));
        }
        QCOMPARE(program.presenter.shown.size(), 2);
        QVERIFY2(program.presenter.lastText().contains("locked"),
                 qPrintable(program.presenter.lastText()));
        QCOMPARE(visibleWindows(), QStringList{"FrmRingAssign"});
        QVERIFY(control<QRadioButton>(form, "ObArray(2)")->isChecked());
        QCOMPARE(storedRings(1), QString("%1:1").arg(oak));
    }

    void noTeamLeavesOnlyCancel() {
        TestProgram program;
        QWidget* form = openRings(1);
        QVERIFY(form);
        QVERIFY(!control<QWidget>(form, "CmdSubmit")->isEnabled());
        program.presenter.answer({Answer::Yes});
        QVERIFY(click(form, "CmdCancel"));
        QCOMPARE(visibleWindows(), QStringList{"FrmMain"});
    }
};

QTEST_MAIN(TestRings)
#include "tst_rings.moc"
