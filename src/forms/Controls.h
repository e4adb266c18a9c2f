#pragma once

#include "core/FieldLimits.h"
#include "core/GridGeometry.h"
#include "data/ClassTable.h"
#include "data/DbError.h"

#include <QFont>
#include <QString>
#include <QVector>
#include <optional>
#include <utility>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPixmap;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWheelEvent;
class QWidget;

// Makes the controls of a screen at their designed places in twips, named as designed. A
// control given a font shows that font; one given none shows its form's.
namespace Controls {

QLabel* label(QWidget* form, const QString& name, const QString& caption, int left, int top,
              int width, int height, const std::optional<QFont>& font = std::nullopt);
QPushButton* button(QWidget* form, const QString& name, const QString& caption, int left, int top,
                    int width, int height, const std::optional<QFont>& font = std::nullopt);
// The most characters each kind of text box takes.
namespace Limit = ::Limit;

// A text box taking at most `maxChars` characters. Text that does not fit (a long paste,
// a key pressed at the limit) is not taken in full, and the user is told so at once.
QLineEdit* textBox(QWidget* form, const QString& name, int left, int top, int width, int height,
                   int maxChars, const std::optional<QFont>& font = std::nullopt);
// Drop-down lists change their choice by the wheel only while they have the focus.
// A drop-down list: choice from the list only.
QComboBox* dropDownList(QWidget* form, const QString& name, int left, int top, int width,
                        int height, const std::optional<QFont>& font = std::nullopt);
// A drop-down combo box: a list and a text part the user may type into, taking at most
// `maxChars` characters as a text box does.
QComboBox* dropDownCombo(QWidget* form, const QString& name, int left, int top, int width,
                         int height, int maxChars, const std::optional<QFont>& font = std::nullopt);

// The property holding the text a box was left with when a key or paste did not fit.
inline constexpr char kCutText[] = "coltsCutText";
// True while `box` still holds the text it was cut to: it may name something else.
bool wasCut(const QLineEdit* box);
QListWidget* listBox(QWidget* form, const QString& name, int left, int top, int width, int height,
                     const std::optional<QFont>& font = std::nullopt);

QCheckBox* checkBox(QWidget* form, const QString& name, const QString& caption, int left, int top,
                    int width, int height, const std::optional<QFont>& font = std::nullopt);
// A check box in the graphical style: a button showing `picture`, pressed in while checked,
// flat while free, raised while disabled. Space toggles it.
QAbstractButton* graphicalCheckBox(QWidget* form, const QString& name, const QPixmap& picture,
                                   int left, int top, int width, int height);
// An option button; the option buttons of one frame (or form) are one exclusive group.
QRadioButton* optionButton(QWidget* parent, const QString& name, const QString& caption, int left,
                           int top, int width, int height,
                           const std::optional<QFont>& font = std::nullopt);
// A borderless frame holding option buttons as one group.
QFrame* frame(QWidget* form, const QString& name, int left, int top, int width, int height);
// A picture box showing `picture`; where the picture is missing, `missingText` is drawn in
// its place.
QLabel* pictureBox(QWidget* form, const QString& name, const QPixmap& picture,
                   const QString& missingText, int left, int top, int width, int height);
// A black line `thickness` pixels wide from (x1, y1) to (x2, y2); the line is horizontal or
// vertical.
QFrame* line(QWidget* form, const QString& name, int x1, int y1, int x2, int y2, int thickness = 1);
QFrame* line(QWidget* form, const QString& name, const GridGeometry::Line& at, int thickness = 1);
// Scroll bars moving one step for an arrow click or a click in the trough, and reporting a
// dragged thumb only once it is released (valueChanged).
QScrollBar* verticalScrollBar(QWidget* form, const QString& name, int left, int top, int width,
                              int height);
QScrollBar* horizontalScrollBar(QWidget* form, const QString& name, int left, int top, int width,
                                int height);

// Places a grid screen's scroll bar, or hides it when everything fits.
void placeScrollBar(QScrollBar* bar, const GridGeometry::Bar& place);
// Turns the wheel's notches over a screen into steps of `bar` (one a notch; `remainder` keeps
// what a fine wheel has not yet made a notch). False, with the event ignored, when the bar is
// not in use.
bool wheelToScrollBar(QWheelEvent* event, QScrollBar* bar, int* remainder);

// Fills a list with the district's rings "1" to "n" and one with the classes ("4 - Novice
// Equitation on the Flat"), line k of the class list being (*classes)[k]; nothing is chosen.
// A class table that cannot be used is reported and leaves the class list empty.
void fillRingsAndClasses(QComboBox* rings, QComboBox* classList,
                         QVector<ClassTable::Class>* classes);

// Names a control: its object name and the accessible description that tools find it by,
// also for controls that are made hidden and never shown.
void name(QWidget* control, const QString& name);

// Orders Tab through the focusable controls by their designed tab indexes.
void tabOrder(const QVector<std::pair<int, QWidget*>>& controls);

// The run of a control array: "RiderListBoxArray(3)".
QString arrayName(const QString& name, int index);

// What a screen says when the database refuses or fails: `failed` opens the sentence that
// gives the database's reason ("The placings cannot be entered"), the standard sentence when
// empty; `duplicate`, when given, is said instead when a unique rule refused the row.
struct ErrorTexts {
    QString failed = {};
    QString duplicate = {};
};

// The one way a screen reports a database error: runs `action` on a slot that reaches the
// database, and a DbError becomes one notice. Returns false when the action failed.
template <typename Action> bool guarded(Action&& action, const ErrorTexts& texts = {});
void showDatabaseError(const DbError& error, const ErrorTexts& texts = {});

} // namespace Controls

template <typename Action> bool Controls::guarded(Action&& action, const ErrorTexts& texts) {
    try {
        action();
        return true;
    } catch (const DbError& e) {
        showDatabaseError(e, texts);
        return false;
    }
}
