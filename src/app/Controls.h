#pragma once

#include <QFont>
#include <QString>
#include <QVector>
#include <utility>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

// Makes the controls of a screen at their designed places in twips, named as designed.
namespace Controls {

QLabel* label(QWidget* form, const QString& name, const QString& caption, int left, int top,
              int width, int height, const QFont& font = QFont());
QPushButton* button(QWidget* form, const QString& name, const QString& caption, int left, int top,
                    int width, int height, const QFont& font = QFont());
// The most characters each kind of text box takes: enough for what it holds.
namespace Limit {
inline constexpr int kNumber = 20; // rider and district numbers
inline constexpr int kName = 50;   // first, last, team and city names
inline constexpr int kAddress = 100;
inline constexpr int kZip = 15;
inline constexpr int kPhone = 30;
inline constexpr int kEmail = 254;
inline constexpr int kSearch = 100;
} // namespace Limit

// A text box taking at most `maxChars` characters. Text that does not fit (a long paste,
// a key pressed at the limit) is not taken in full, and the user is told so at once.
QLineEdit* textBox(QWidget* form, const QString& name, int left, int top, int width, int height,
                   int maxChars, const QFont& font = QFont());
// A drop-down list: choice from the list only.
QComboBox* dropDownList(QWidget* form, const QString& name, int left, int top, int width,
                        int height, const QFont& font = QFont());
// A drop-down combo box: a list and a text part the user may type into.
QComboBox* dropDownCombo(QWidget* form, const QString& name, int left, int top, int width,
                         int height, const QFont& font = QFont());
QListWidget* listBox(QWidget* form, const QString& name, int left, int top, int width, int height,
                     const QFont& font = QFont());

// Orders Tab through the focusable controls by their designed tab indexes.
void tabOrder(const QVector<std::pair<int, QWidget*>>& controls);

// The run of a control array: "RiderListBoxArray(3)".
QString arrayName(const QString& name, int index);

// Runs `action` on a slot that reaches the database: a DbError becomes a notice giving the
// database's reason. Returns false when the action failed.
template <typename Action> bool guarded(Action&& action);
void showDatabaseError(const QString& reason);

} // namespace Controls

#include "data/DbError.h"

template <typename Action> bool Controls::guarded(Action&& action) {
    try {
        action();
        return true;
    } catch (const DbError& e) {
        showDatabaseError(e.reason());
        return false;
    }
}
