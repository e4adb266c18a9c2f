// The team entries form and the class entry grid: its geometry, the class limits, the relay
// checks and the rows it writes, driven as the secretary would.
#include "entries/EntryGrid.h"
#include "support/TestProgram.h"

#include <QClipboard>

using namespace EntryGrid;

namespace {

// Team 1 (Oak Ridge) with riders 100, 20, a1 and b1 (in that order as text), team 2 (Fox Run)
// with riders 300 and 301.
void addDistrict() {
    Sql::run("INSERT INTO TblTeam (TeamCode, TeamName, Division) VALUES (1, 'Oak Ridge', 'B'),"
             " (2, 'Fox Run', 'A')");
    Sql::run("INSERT INTO TblPerson (RiderNumber, FirstName, LastName, TeamCode) VALUES"
             " ('20', 'Ann', 'Berg', 1), ('100', 'Bo', 'Cole', 1), ('b1', 'Cy', 'Dunn', 1),"
             " ('a1', 'Di', 'Eck', 1), ('300', 'Ed', 'Fay', 2), ('301', 'Flo', 'Gill', 2)");
}

// Opens the grid of the team on line `team` of the team list at meet 1, as the secretary does.
QWidget* openGrid(int team) {
    QWidget* entries = openScreen("CmdRecord", "CmdEntry", "FrmEntries");
    control<QComboBox>(entries, "CbTeamName")->setCurrentIndex(team);
    return click(entries, "CmdSubmit") ? window("frmClassAssignments") : nullptr;
}

QAbstractButton* box(QWidget* grid, int row, int classNumber) {
    return control<QAbstractButton>(grid,
                                    QString("ChbArrayControl(%1)").arg(boxIndex(row, classNumber)));
}

QComboBox* partner(QWidget* grid, int row) {
    return control<QComboBox>(grid, QString("Cbpartner(%1)").arg(row));
}

// The boxes of a class from the first row down: "x" checked, "." free, "-" closed.
QString column(QWidget* grid, int classNumber) {
    QString out;
    for (int r = 1; r <= 4; ++r)
        out += box(grid, r, classNumber)->isChecked()   ? 'x'
               : box(grid, r, classNumber)->isEnabled() ? '.'
                                                        : '-';
    return out;
}

// Mean brightness of a control as drawn, from 0 (black) to 255 (white).
int brightness(QWidget* control) {
    const QImage image = control->grab().toImage();
    qint64 sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += qGray(image.pixel(x, y));
    return int(sum / (qint64(image.width()) * image.height()));
}

// The rider and class marked as those of the focused box: "row class".
QString marked(QWidget* grid) {
    QString row, heading;
    for (auto* label : grid->findChildren<QLabel*>()) {
        if (!label->styleSheet().isEmpty())
            (label->objectName().startsWith("lblrider") ? row : heading) =
                label->objectName().section('(', 1).chopped(1);
    }
    return row + ' ' + heading;
}

// The entries and pairings of a meet, in the order they were written.
QString rowsOf(int week) {
    return stored("SELECT (SELECT group_concat(RiderNumber || ':' || ClassNumber, ' ') FROM"
                  " (SELECT * FROM TblEntry WHERE Week = ? ORDER BY rowid)),"
                  " (SELECT group_concat(RiderNumber || '+' || PartnerNumber || ' ' ||"
                  " ifnull(PartnerFirst, '') || ' ' || ifnull(PartnerLast, ''), ', ') FROM"
                  " (SELECT * FROM TblPairing WHERE Week = ? ORDER BY rowid))",
                  {week, week});
}

} // namespace

class TestEntries : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }

    void gridIsNotOpenedWithoutATeamRidersOrClassTable() {
        TestProgram program(addDistrict);
        // No team chosen, then Fox Run (the first line) without riders, then Oak Ridge with
        // class 4 missing from the class table.
        Sql::run("DELETE FROM TblPerson WHERE TeamCode = 2");
        Sql::run("DELETE FROM TblClass WHERE ClassNumber = 4");
        QVERIFY(!openGrid(-1));
        for (int team : {0, 1}) {
            control<QComboBox>(window("FrmEntries"), "CbTeamName")->setCurrentIndex(team);
            QVERIFY(click(window("FrmEntries"), "CmdSubmit"));
        }
        QCOMPARE(program.presenter.texts().join('\n'),
                 "Please Provide the Team to be Entered\n"
                 "There are currently no riders for the selected team.\n"
                 "The class entry grid cannot be opened: the class table of the database does not "
                 "hold exactly the classes 1 to 18 in class-number order, so this screen cannot "
                 "be used; restore a backup of the database.");
        QCOMPARE(visibleWindows(), QStringList{"FrmEntries"});
    }

    void classLimitClosesTheColumnAndOpensItAgain() {
        TestProgram program(addDistrict);
        Sql::run("UPDATE TblClass SET MaxEntries = 0 WHERE ClassNumber = 7");
        Sql::run("INSERT INTO TblEntry (ClassNumber, Week, RiderNumber) VALUES (5, 1, '100'),"
                 " (5, 1, '20'), (5, 2, 'a1')");
        QWidget* grid = openGrid(1);
        QVERIFY(grid);
        // Each step: the box clicked (none at first: stored entries count on opening), then its
        // class's boxes. Class 7 takes no entries: open until a box is checked, then closed.
        const std::tuple<int, int, const char*> steps[] = {{0, 5, "xx--"}, {1, 5, ".x.."},
                                                           {4, 5, "-x-x"}, {0, 7, "...."},
                                                           {2, 7, "-x--"}, {2, 7, "----"}};
        for (const auto& [row, c, boxes] : steps) {
            if (row)
                box(grid, row, c)->click();
            QCOMPARE(column(grid, c), QString(boxes));
        }
        // A closed box says why; checked, free and closed boxes differ at a glance.
        QCOMPARE(box(grid, 1, 5)->toolTip(),
                 "Intermediate Equitation on the Flat: the team's limit of 2 entries is reached");
        QCOMPARE(box(grid, 3, 7)->toolTip(),
                 "Crossrails: the team's limit of 0 entries is reached");
        QVERIFY(box(grid, 2, 5)->toolTip().isEmpty() && box(grid, 2, 1)->toolTip().isEmpty());
        const int checked = brightness(box(grid, 2, 5)), free = brightness(box(grid, 2, 1)),
                  closed = brightness(box(grid, 1, 5));
        qInfo("mean brightness: checked %d, free %d, closed %d", checked, free, closed);
        QVERIFY(free - checked > 120 && free - closed > 20 && closed - checked > 60);
    }

    void submitReplacesTheTeamsRowsOfTheMeetOnly() {
        TestProgram program(addDistrict);
        Sql::run("INSERT INTO TblEntry (ClassNumber, Week, RiderNumber) VALUES (3, 1, '20'),"
                 " (18, 1, '20'), (2, 2, '20'), (4, 1, '300')");
        Sql::run("INSERT INTO TblPairing (Week, RiderNumber, PartnerNumber) VALUES (1, '20', 'a1'),"
                 " (2, '20', 'a1'), (1, '301', 'b1')");
        const QString before = "20:3 20:18 300:4|20+a1  , 301+b1  ";
        QWidget* grid = openGrid(1);
        QVERIFY(grid);
        QVERIFY(box(grid, 2, 18)->isChecked());
        QCOMPARE(partner(grid, 2)->currentText(), "a1");
        QVERIFY(partner(grid, 2)->isEnabled() && !partner(grid, 1)->isEnabled());
        box(grid, 2, 18)->click(); // out of the relay: the list is cleared and closed
        QVERIFY(!partner(grid, 2)->isEnabled() && partner(grid, 2)->currentText().isEmpty());
        for (const auto& [row, c] : {std::pair{4, 1}, {1, 18}, {1, 2}, {4, 3}})
            box(grid, row, c)->click();
        partner(grid, 1)->setEditText("A1"); // stored as a1, with a1's names
        // No, then a save under another program's write lock: nothing written, the grid kept.
        program.presenter.answer({Answer::No, Answer::Yes, Answer::Yes});
        QVERIFY(click(grid, "CmdApply"));
        QVERIFY(click(grid, "CmdApply", &program));
        QCOMPARE(program.presenter.lastText(), Texts::kLocked);
        QCOMPARE(visibleWindows(), QStringList{"frmClassAssignments"});
        QCOMPARE(rowsOf(1), before);
        QVERIFY(click(grid, "CmdApply"));
        QCOMPARE(program.presenter.texts().at(1),
                 "This will save all the changes made to this form. There are currently 5 "
                 "entries for this team. Are you sure you want to continue?");
        QCOMPARE(visibleWindows(), QStringList{"FrmEntries"});
        QCOMPARE(rowsOf(1), "300:4 100:2 100:18 20:3 b1:1 b1:3|301+b1  , 100+a1 Di Eck");
        QCOMPARE(rowsOf(2), "20:2|20+a1  ");
        // Back on the team entries form with the same team chosen.
        QCOMPARE(control<QComboBox>(window("FrmEntries"), "CbTeamName")->currentText(),
                 "Oak Ridge");
    }

    // The wheel never changes a partner the secretary has not clicked into; a cut paste names
    // nobody; other letters than stored name the rider.
    void partnerListTakesOnlyWhatWasMeant() {
        TestProgram program(addDistrict);
        Sql::run("INSERT INTO TblPerson (RiderNumber, FirstName, LastName, TeamCode) VALUES"
                 " ('Ü1', 'Gus', 'Hay', 2), ('ABCDEFGHIJKLMNOPQRST', 'Ida', 'Ives', 2)");
        Sql::run("UPDATE TblClass SET MaxEntries = 4 WHERE ClassNumber = 18");
        QWidget* grid = openGrid(1);
        QVERIFY(grid);
        box(grid, 1, 18)->click();
        box(grid, 2, 18)->click();
        partner(grid, 1)->setCurrentIndex(2);
        const QString chosen = partner(grid, 1)->currentText();
        wheel(partner(grid, 1), QPointF(5, 5));
        QCOMPARE(partner(grid, 1)->currentText(), chosen);
        partner(grid, 1)->setEditText("ü1");
        // A paste too long for the box, then a key pressed at its limit: said once.
        QApplication::clipboard()->setText("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
        QTest::keySequence(partner(grid, 2)->lineEdit(), QKeySequence::Paste);
        QTest::keyClick(partner(grid, 2)->lineEdit(), Qt::Key_Z);
        settle();
        QCOMPARE(program.presenter.texts(),
                 QStringList{"This box holds at most 20 characters, so the text was not taken in "
                             "full. Check the box before you save."});
        program.presenter.answer({Answer::Yes, Answer::Yes});
        QVERIFY(click(grid, "CmdApply"));
        QCOMPARE(program.presenter.lastText(),
                 "The relay partner \"ABCDEFGHIJKLMNOPQRST\" listed for rider 20 is not a rider "
                 "of the district. Choose a rider number from the list.");
        QTest::keyClick(partner(grid, 2)->lineEdit(), Qt::Key_Backspace);
        QTest::keyClicks(partner(grid, 2)->lineEdit(), "T");
        QVERIFY(click(grid, "CmdApply"));
        QCOMPARE(rowsOf(1), "100:18 20:18|100+Ü1 Gus Hay, 20+ABCDEFGHIJKLMNOPQRST Ida Ives");
    }

    // Cancel answered Yes, and the close box answered Yes, write nothing; the close box
    // answered No keeps the grid as it was; unchanged, it closes without a question.
    void closingWithoutSubmitWritesNothing() {
        TestProgram program(addDistrict);
        Sql::run("INSERT INTO TblEntry (ClassNumber, Week, RiderNumber) VALUES (3, 1, '20')");
        const QString before = rowsOf(1);
        QWidget* grid = openGrid(1);
        QVERIFY(grid);
        grid->close();
        settle();
        QCOMPARE(visibleWindows(), QStringList{"FrmEntries"});
        for (const char* how : {"close box", "Cancel"}) {
            QVERIFY(click(window("FrmEntries"), "CmdSubmit"));
            grid = window("frmClassAssignments");
            box(grid, 1, 2)->click();
            program.presenter.answer({Answer::No, Answer::Yes});
            QVERIFY(!grid->close());
            QVERIFY(grid->isVisible() && box(grid, 1, 2)->isChecked());
            QVERIFY(QString(how) == "Cancel" ? click(grid, "CmdCancel") : grid->close());
            settle();
            QCOMPARE(program.presenter.lastText(), Texts::kCancelQuestion);
            QCOMPARE(visibleWindows(), QStringList{"FrmEntries"});
        }
        QCOMPARE(rowsOf(1), before);
    }

    void keyboardEntersATeam() {
        TestProgram program(addDistrict);
        AppState::ScreenWidth = 12000; // 14 columns and 8 rows in view
        AppState::ScreenHeight = 9000;
        for (int k = 0; k < 12; ++k)
            Sql::run("INSERT INTO TblPerson (RiderNumber, TeamCode) VALUES (?, 1)",
                     {QString("z%1").arg(k, 2, 10, QChar('0'))});
        // Class 14 takes one rider of the team, rider 20 (row 2): its other boxes are closed.
        Sql::run("UPDATE TblClass SET MaxEntries = 1 WHERE ClassNumber = 14");
        Sql::run("INSERT INTO TblEntry (ClassNumber, Week, RiderNumber) VALUES (14, 1, '20')");
        QWidget* grid = openGrid(1);
        QVERIFY(grid);
        QVERIFY(!control<QWidget>(grid, "lblrider(16)")->isVisibleTo(grid));
        QVERIFY(!box(grid, 16, 1)->isVisibleTo(grid) && !box(grid, 1, 15)->isVisibleTo(grid));
        grid->activateWindow();
        settle();
        // Each key and the box that has the focus after it; its rider and class are marked,
        // also where the focus stayed (Left at the first class, Down past the closed boxes).
        const std::tuple<Qt::Key, int, int> moves[] = {
            {Qt::Key_unknown, 1, 1},   {Qt::Key_End, 1, 18},       {Qt::Key_Home, 1, 1},
            {Qt::Key_Left, 1, 1},      {Qt::Key_Space, 1, 1},      {Qt::Key_Right, 1, 2},
            {Qt::Key_End, 1, 18},      {Qt::Key_Left, 1, 17},      {Qt::Key_Left, 1, 16},
            {Qt::Key_Left, 1, 15},     {Qt::Key_Left, 1, 13},      {Qt::Key_Right, 1, 15},
            {Qt::Key_PageDown, 9, 15}, {Qt::Key_PageDown, 16, 15}, {Qt::Key_PageUp, 8, 15},
            {Qt::Key_Left, 8, 13},     {Qt::Key_Right, 8, 15},     {Qt::Key_PageUp, 1, 15},
            {Qt::Key_Down, 2, 15},     {Qt::Key_Left, 2, 14}};
        for (const auto& [key, row, c] : moves) {
            if (key != Qt::Key_unknown)
                QTest::keyClick(QApplication::focusWidget(), key);
            QCOMPARE(QApplication::focusWidget(), box(grid, row, c));
            QCOMPARE(marked(grid), QString("%1 %2").arg(row).arg(c));
        }
        QVERIFY(box(grid, 1, 1)->isChecked() && !box(grid, 1, 14)->isEnabled());
        // The view followed the focus, last to class 18 and back to row 1.
        QCOMPARE(numbers(control<QScrollBar>(grid, "Chbhscroll")->value(),
                         control<QScrollBar>(grid, "Chbvscroll")->value()),
                 "4 0");
        program.presenter.answer({Answer::No}); // the keypad's Enter too
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QVERIFY(program.presenter.lastText().contains("There are currently 2 entries"));
    }
};

QTEST_MAIN(TestEntries)
#include "tst_entries.moc"
