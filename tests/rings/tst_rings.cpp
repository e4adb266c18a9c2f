// The ring assignment form: its layout rules, and what it shows and stores for a meet.
#include "core/Twips.h"
#include "support/TestProgram.h"

namespace {

// The rings chosen on the form of two rings, row by row: "Oak Ridge (A)=2", 0 for none.
QStringList chosen(QWidget* form) {
    QStringList out;
    for (int i = 1; auto* team = control<QLabel>(form, QString("LblTeamArray(%1)").arg(i)); ++i) {
        const auto on = [&](int ring) {
            return control<QRadioButton>(form, QString("ObArray(%1)").arg(2 * i - 2 + ring))
                ->isChecked();
        };
        out << QString("%1=%2").arg(team->text()).arg(on(1) ? 1 : on(2) ? 2 : 0);
    }
    return out;
}

// Every stored ring, as "meet:team:ring", by meet and team code.
QString storedRings() {
    return stored("SELECT group_concat(Week || ':' || TeamCode || ':' || RingNumber, ' ') FROM"
                  " (SELECT * FROM TblRing ORDER BY Week, TeamCode)");
}

} // namespace

class TestRings : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }

    void layoutFollowsTheRingCount_data() {
        QTest::addColumn<int>("rings");
        // The left of the "Ring" heading, the width of a row's frame, the first option of row 3
        // and the width the form gains.
        QTest::addColumn<QList<int>>("designed");
        QTest::newRow("1 ring") << 1 << QList<int>{3360, 455, 3, 0};
        QTest::newRow("2 rings") << 2 << QList<int>{3650, 1055, 5, 0};
        QTest::newRow("3 rings") << 3 << QList<int>{3940, 1655, 7, 0};
        QTest::newRow("5 rings") << 5 << QList<int>{4520, 2855, 11, 1200};
        QTest::newRow("12 rings") << 12 << QList<int>{6550, 7055, 25, 5400};
    }
    // The form as shown: headings, frames and options where the rules put them.
    void layoutFollowsTheRingCount() {
        QFETCH(int, rings);
        QFETCH(QList<int>, designed);
        TestProgram program;
        AppState::NumRings = qint16(rings);
        for (int k = 1; k <= 3; ++k)
            Sql::run("INSERT INTO TblTeam (TeamName, Division) VALUES (?, 'A')",
                     {QString::number(k)});
        QWidget* form = openScreen("CmdRecord", "CmdRing", "FrmRingAssign");
        QVERIFY(form);
        auto* frame = control<QWidget>(form, "FrameArray(3)");
        auto* team = control<QWidget>(form, "LblTeamArray(3)");
        QCOMPARE(control<QWidget>(form, "LblRing")->x(), Twips::toPixels(designed[0]));
        QCOMPARE(frame->geometry(), Twips::rect(3400, 1670, designed[1], 495));
        QCOMPARE(team->pos(), Twips::rect(300, 1800, 0, 0).topLeft());
        QCOMPARE(control<QWidget>(form, QString("ObArray(%1)").arg(designed[2]))->parent(), frame);
        QCOMPARE(form->width(), Twips::toPixels(5625 + designed[3]));
        QCOMPARE(control<QWidget>(form, "CmdCancel")->x(), Twips::toPixels(3120 + designed[3] / 2));
        // Headings of rings the district does not run are hidden; the three designed are there.
        for (int r = 1; r <= std::max(3, rings); ++r)
            QCOMPARE(control<QWidget>(form, QString("LabelArray(%1)").arg(r))->isVisibleTo(form),
                     r <= rings);
    }

    // Three teams, two of the same name and division, which only their codes tell apart; the
    // district ran 3 rings at meet 3 and runs 2 now.
    void submitReplacesOnlyThatMeet_data() {
        QTest::addColumn<int>("meet");
        QTest::addColumn<QStringList>("shown"); // the rings chosen when the form opens
        QTest::addColumn<QList<int>>("clicks"); // the options clicked then
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("after");
        const QString save = Texts::kSaveQuestion;
        QTest::newRow("stored rings show, choices are stored")
            << 2 << QStringList{"Fox Run (A)=0", "Oak Ridge (B)=2", "Oak Ridge (B)=1"}
            << QList<int>{2, 5} << QStringList{save} << "1:2:1 2:1:2 2:2:2 2:3:1 3:1:3";
        QTest::newRow("ring beyond the ring count, nothing chosen empties the meet")
            << 3 << QStringList{"Fox Run (A)=0", "Oak Ridge (B)=0", "Oak Ridge (B)=0"}
            << QList<int>{}
            << QStringList{"These teams were assigned to a ring the district no longer runs (it "
                           "runs 2 rings now), so they show no ring for meet 3: Oak Ridge (B). "
                           "Choose their rings and press Submit.",
                           save}
            << "1:2:1 2:1:2 2:3:1 2:999:1";
        QTest::newRow("under a lock nothing changes, the choices are kept")
            << 2 << QStringList{"Fox Run (A)=0", "Oak Ridge (B)=2", "Oak Ridge (B)=1"}
            << QList<int>{2} << QStringList{save, Texts::kLocked}
            << "1:2:1 2:1:2 2:3:1 2:999:1 3:1:3";
    }
    void submitReplacesOnlyThatMeet() {
        QFETCH(int, meet);
        QFETCH(QStringList, shown);
        QFETCH(QList<int>, clicks);
        QFETCH(QStringList, boxes);
        const bool locked = boxes.last() == Texts::kLocked;
        QFETCH(QString, after);
        TestProgram program;
        Sql::run("INSERT INTO TblTeam (TeamCode, TeamName, Division) VALUES (1, 'Oak Ridge', 'B'),"
                 " (2, 'Fox Run', 'A'), (3, 'Oak Ridge', 'B')");
        Sql::run("INSERT INTO TblRing (Week, TeamCode, RingNumber) VALUES (1, 2, 1), (2, 1, 2),"
                 " (2, 3, 1), (2, 999, 1), (3, 1, 3)");
        QWidget* form = openScreen("CmdRecord", "CmdRing", "FrmRingAssign", meet);
        QVERIFY(form);
        settle();
        QCOMPARE(control<QLabel>(form, "LblWeekNum")->text(), QString::number(meet));
        QCOMPARE(chosen(form), shown);
        for (int option : clicks)
            control<QRadioButton>(form, QString("ObArray(%1)").arg(option))->click();
        program.presenter.answer({Answer::Yes});
        QVERIFY(click(form, "CmdSubmit", locked ? &program : nullptr));
        QCOMPARE(program.presenter.texts(), boxes);
        QCOMPARE(visibleWindows(), QStringList{locked ? "FrmRingAssign" : "FrmMain"});
        if (locked) // the choice is kept
            QVERIFY(
                control<QRadioButton>(form, QString("ObArray(%1)").arg(clicks[0]))->isChecked());
        QCOMPARE(storedRings(), after);
    }

    void scrollingMovesTheRowsAndHiddenRowsKeepTheirChoices() {
        TestProgram program;
        for (int k = 1; k <= 16; ++k)
            Sql::run("INSERT INTO TblTeam (TeamName, Division) VALUES (?, 'A')",
                     {QString("Team %1").arg(k, 2, 10, QChar('0'))});
        QWidget* form = openScreen("CmdRecord", "CmdRing", "FrmRingAssign");
        QVERIFY(form);
        auto* bar = control<QScrollBar>(form, "TeamScroll");
        QVERIFY(bar->isEnabled());
        QCOMPARE(bar->maximum(), 1);
        QVERIFY(!control<QLabel>(form, "LblTeamArray(16)")->isVisibleTo(form));
        control<QRadioButton>(form, "ObArray(1)")->click(); // team 1, ring 1
        wheel(form, QPointF(20, 200));
        QCOMPARE(bar->value(), 1);
        QVERIFY(!control<QLabel>(form, "LblTeamArray(1)")->isVisibleTo(form));
        for (int i = 2; i <= 16; ++i) { // moved up a row, the frame 130 above its label
            auto* label = control<QLabel>(form, QString("LblTeamArray(%1)").arg(i));
            auto* frame = control<QWidget>(form, QString("FrameArray(%1)").arg(i));
            QVERIFY(label->isVisibleTo(form) && frame->isVisibleTo(form));
            QCOMPARE(label->y(), Twips::toPixels(1000 + 400 * (i - 2)));
            QCOMPARE(frame->y(), Twips::toPixels(870 + 400 * (i - 2)));
        }
        bar->setValue(0);
        QVERIFY(control<QRadioButton>(form, "ObArray(1)")->isChecked());
        // By the keyboard: Down to the 16th team, out of view until the view follows; Space
        // chooses its first ring; Shift+Tab back to the first team; Enter submits.
        form->activateWindow();
        control<QRadioButton>(form, "ObArray(1)")->setFocus();
        const auto press = [](Qt::Key key, int times, Qt::KeyboardModifiers with = {}) {
            for (int k = 0; k < times; ++k)
                QTest::keyClick(QApplication::focusWidget(), key, with);
        };
        press(Qt::Key_Down, 15);
        QCOMPARE(bar->value(), 1);
        press(Qt::Key_Space, 1);
        QCOMPARE(QApplication::focusWidget(), control<QWidget>(form, "ObArray(31)"));
        press(Qt::Key_Tab, 15, Qt::ShiftModifier);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(QApplication::focusWidget(), control<QWidget>(form, "ObArray(1)"));
        program.presenter.answer({Answer::Yes});
        press(Qt::Key_Return, 1);
        QCOMPARE(storedRings(), "1:1:1 1:16:1");
    }
};

QTEST_MAIN(TestRings)
#include "tst_rings.moc"
