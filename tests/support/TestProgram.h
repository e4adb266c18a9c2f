#pragma once

#include "support/ScriptedPresenter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTemporaryDir>
#include <QVariantList>
#include <QWidget>

using Answer = MessagePresenter::Answer;

// One test case's program: its own folder with a fresh delivered database, its own settings,
// a screen of 16000 x 12000 twips and the scripted presenter. Closes every window and the
// database when it goes.
class TestProgram {
public:
    // `under`: the folder to make the program folder in (a small disk, say); the system's
    // temporary folder when empty.
    explicit TestProgram(bool openDatabase = true, const QString& under = QString());
    ~TestProgram() { end(); }

    // Closes every window and the database, as when the program ends.
    void end();

    QString folder() const { return m_dir.path(); }
    QString databasePath() const;
    void openDatabase(int lockWaitMs = 5000);
    void closeDatabase();

    // Sets a district that is set up: number `district`, `rings` rings.
    static void setDistrict(const QString& district, qint16 rings);
    static void writeSetting(const QString& key, const QString& value);
    static QString readSetting(const QString& key);

    ScriptedPresenter presenter;

private:
    QTemporaryDir m_dir;
};

// Once per test program: offscreen-safe conventions and test-mode paths.
void initTestApplication();

// The top-level window named `name`, or nullptr.
QWidget* window(const QString& name);
// Visible top-level windows of the program, by object name.
QStringList visibleWindows();
// Runs posted events, deleting the screens that have closed.
void settle();

template <typename T = QWidget> T* control(QWidget* form, const QString& name) {
    return !form                        ? nullptr
           : form->objectName() == name ? qobject_cast<T*>(form)
                                        : form->findChild<T*>(name);
}

// Clicks a button as a user would: only when it is visible and enabled. False otherwise. With
// `lockedBy`, the write lock of its database is held by another connection meanwhile.
bool click(QWidget* form, const QString& name, TestProgram* lockedBy = nullptr);

// Opens `screen` from the main control form as the secretary does: the meet chosen, then the
// group's button and the function's. Makes and shows the main form when there is none.
QWidget* openScreen(const QString& group, const QString& function, const QString& screen,
                    int meet = 1);

// What a form holds: its text boxes in the order the form makes them, then the text of its
// list ("" when nothing is chosen).
QStringList typed(QWidget* form);
// Types `texts` into the form's boxes in that order; the next text chooses the list's line,
// or is typed into the list when it takes typing.
void fill(QWidget* form, const QStringList& texts);

// The lines of a list box or drop-down list, in order.
QStringList items(QWidget* form, const QString& name);
// Every message box shown, as "title: text".
QStringList boxesShown(const ScriptedPresenter& presenter);

// The numbers joined by spaces, to compare several at once.
template <typename... N> QString numbers(N... values) {
    return QStringList{QString::number(values)...}.join(' ');
}
// A scroll bar's maximum, or "-" when the bar is hidden.
template <typename Bar> QString barMaximum(const Bar& bar) {
    return bar.shown ? QString::number(bar.maximum) : QStringLiteral("-");
}

// The first column of the first row of `sql` as a number, or -1 when there is no row.
int count(const QString& sql, const QVariantList& values = {});
// The columns of the first row of `sql` joined with "|", or "<none>" when there is no row.
QString stored(const QString& sql, const QVariantList& values = {});
