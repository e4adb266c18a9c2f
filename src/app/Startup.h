#pragma once

#include <QString>
#include <QtGlobal>

// The program's start: settings, screen check, database, first window.
namespace Startup {

// Exit codes of a start that shows no window.
inline constexpr int kScreenTooSmall = 1;
inline constexpr int kDatabaseUnusable = 2;

struct Result {
    bool running = false; // a window is showing; the event loop should run
    int exitCode = 0;
};

// Runs start-up for a screen of the given size in twips, with the program in `appPath`.
Result start(qint32 screenWidthTwips, qint32 screenHeightTwips, const QString& appPath);

} // namespace Startup
