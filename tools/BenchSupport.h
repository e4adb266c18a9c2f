#pragma once

// What the benchmark tools share: their command line and the median of their runs.
#include "core/AppState.h"
#include "data/DatabaseFile.h"
#include "data/Sql.h"
#include "forms/Fonts.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QStringList>
#include <QVector>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace BenchSupport {

// The program folders of "TOOL FOLDER... [--runs N] [--OPTION VALUE]...", the number of runs
// and, in `options` when given, the value of every option by its name ("--keep"); false (after
// printing the usage) when the command line is not of that form.
inline bool parse(const QStringList& args, const char* tool, int defaultRuns, QStringList* folders,
                  int* runs, QHash<QString, QString>* options = nullptr) {
    QHash<QString, QString> named;
    folders->clear();
    bool wellFormed = true;
    for (int a = 1; a < args.size(); ++a) {
        if (!args.at(a).startsWith(QLatin1String("--")))
            *folders << args.at(a);
        else if (a + 1 < args.size()) {
            named.insert(args.at(a), args.at(a + 1));
            ++a;
        } else {
            wellFormed = false;
        }
    }
    *runs = named.contains(QStringLiteral("--runs"))
                ? std::max(1, named.value(QStringLiteral("--runs")).toInt())
                : defaultRuns;
    if (options)
        *options = named;
    if (!wellFormed || folders->isEmpty()) {
        std::fprintf(stderr, "usage: %s PROGRAM_FOLDER... [--runs N] [--OPTION VALUE]...\n", tool);
        return false;
    }
    return true;
}

inline double median(QVector<double> times) {
    if (times.isEmpty())
        return 0;
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The median time in ms of `runs` runs of `step`.
inline double timed(int runs, const std::function<void()>& step) {
    QVector<double> times;
    for (int k = 0; k < runs; ++k) {
        QElapsedTimer timer;
        timer.start();
        step();
        times << timer.nsecsElapsed() / 1e6;
    }
    return median(times);
}

// Opens the database of a program folder as the program's connection; false (after printing
// why) when it cannot be opened.
inline bool openDistrict(const QString& folder) {
    const QString error =
        DatabaseFile::open(QDir(folder).filePath(DatabaseFile::kFileName), Sql::kConnectionName)
            .failure;
    if (!error.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(error));
    return error.isEmpty();
}

// The most memory this process has held so far ("123 MB"), as the kernel counts it.
inline QString peakMemory() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                return QStringLiteral("%1 MB").arg(
                    line.mid(6).trimmed().split(' ').first().toLong() / 1024);
        }
    }
    return QStringLiteral("unknown");
}

// Before the application is made: the screen benchmarks run offscreen unless told otherwise.
inline void offscreenUnlessTold() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// What every screen benchmark does first: its command line, the program's fonts and a screen of
// 1280 x 1024. 0, or the exit code when it cannot go on.
inline int startScreens(const QStringList& args, const char* tool, int defaultRuns,
                        QStringList* folders, int* runs,
                        QHash<QString, QString>* options = nullptr) {
    if (!parse(args, tool, defaultRuns, folders, runs, options))
        return 2;
    Fonts::install();
    AppState::ScreenWidth = 19200;
    AppState::ScreenHeight = 15360;
    return 0;
}

// Closes the district's database, for the next district's.
inline void closeDistrict() {
    DatabaseFile::close(Sql::kConnectionName);
}

} // namespace BenchSupport
