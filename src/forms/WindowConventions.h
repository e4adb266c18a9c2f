#pragma once

class QApplication;
class QWidget;

// Application-wide conventions every screen relies on.
namespace WindowConventions {

// Maps the fonts and copies each named widget's object name into its accessible
// description (set when the widget is polished), so assistive tools find every control.
void install(QApplication& app);

// The program window that most recently stopped being the active window.
QWidget* lastDeactivatedWindow();

} // namespace WindowConventions
