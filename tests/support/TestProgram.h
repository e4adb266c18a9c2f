#pragma once

// What the test programs of the screens share: a program of their own for each test case, the
// helpers that drive its screens as the secretary does, and the Qt headers those tests use.
#include "reports/ReportWindow.h"
#include "support/ScriptedPresenter.h"
#include "support/TestDistrict.h"
#include "support/Texts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>

using Answer = MessagePresenter::Answer;

// One test case's program: its district (folder, database, settings) and the scripted
// presenter. Closes every window and the database when it goes.
class TestProgram : public TestDistrict {
public:
    using TestDistrict::TestDistrict;
    ~TestProgram() override;

    // Closes every window and the database, as when the program ends.
    void end();

    ScriptedPresenter presenter;
};

// Once per test program: offscreen-safe conventions and test-mode paths.
void initTestApplication();

QWidget* window(const QString& name);
// Visible top-level windows of the program, by object name.
QStringList visibleWindows();
// Runs posted events, deleting the screens that have closed.
void settle();
// Turns the mouse wheel one notch down over `widget` at `at`, without giving it the focus.
void wheel(QWidget* widget, QPointF at);

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
