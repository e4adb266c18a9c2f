#pragma once

// What the test programs share: a program of their own for each test case, the helpers that
// drive its screens as the secretary does, and the Qt headers those tests use.
#include "core/AppState.h"
#include "data/DatabaseFile.h"
#include "data/Sql.h"
#include "reports/ReportWindow.h"
#include "support/ScriptedPresenter.h"
#include "support/Texts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using Answer = MessagePresenter::Answer;

// One test case's program: its own folder with a fresh delivered database, its own settings,
// a screen of 16000 x 12000 twips and the scripted presenter. Closes every window and the
// database when it goes.
class TestProgram {
public:
    // `under`: the folder to make the program folder in (a small disk, say); the system's
    // temporary folder when empty.
    explicit TestProgram(bool openDatabase = true, const QString& under = QString());
    // With the database filled by `setUp`.
    explicit TestProgram(void (*setUp)()) : TestProgram() { setUp(); }
    ~TestProgram() { end(); }

    // Closes every window and the database, as when the program ends.
    void end();

    QString folder() const { return m_dir.path(); }
    QString databasePath() const { return m_dir.filePath(DatabaseFile::kFileName); }
    void openDatabase(int lockWaitMs = 5000);
    void closeDatabase();

    // Stores the district settings: number `district`, `rings` rings; "-" stores nothing.
    static void setDistrict(const QString& district, const QString& rings);
    // The stored settings, as "district/rings".
    static QString storedDistrict();

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

// The numbers joined by spaces, to compare several at once.
template <typename... N> QString numbers(N... values) {
    return QStringList{QString::number(values)...}.join(' ');
}
// A scroll bar's maximum, or "-" when the bar is hidden.
template <typename Bar> QString barMaximum(const Bar& bar) {
    return bar.shown ? QString::number(bar.maximum) : QStringLiteral("-");
}
// A set of grid lines: how many, where the first starts and where the last ends.
template <typename Lines> QString lineSet(const Lines& lines) {
    return lines.isEmpty() ? QStringLiteral("0")
                           : numbers(lines.size(), lines.first().x1, lines.first().y1,
                                     lines.last().x2, lines.last().y2);
}
// A place of a scrolled view as "left top", or "-" when out of view.
template <typename Place> QString placeOf(const Place& place) {
    return place ? numbers(place->x(), place->y()) : QStringLiteral("-");
}

// The texts the report sections matching `sections` (a pattern) print on page `page`, or on
// every page when 0, joined by spaces.
QString printed(const QVector<Report::Page>& pages, const QString& sections, int page = 0);

// The columns of the first row of `sql` joined with "|", or "<none>" when there is no row.
QString stored(const QString& sql, const QVariantList& values = {});
// The first column of the first row of `sql` as a number; 0 when there is no row.
inline int count(const QString& sql, const QVariantList& values = {}) {
    return stored(sql, values).toInt();
}
// A file's bytes; none when it cannot be read.
QByteArray fileBytes(const QString& path);
