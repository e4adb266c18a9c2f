#pragma once

// What the benchmark tools share: their command line and the median of their runs.
#include <QStringList>
#include <QVector>
#include <algorithm>
#include <cstdio>

namespace BenchSupport {

// The program folder of "TOOL FOLDER [--runs N]" and the number of runs; false (after
// printing the usage) when the command line is not of that form.
inline bool parse(const QStringList& args, const char* tool, int defaultRuns, QString* folder,
                  int* runs) {
    if (args.size() < 2 || args.at(1).startsWith(QLatin1String("--"))) {
        std::fprintf(stderr, "usage: %s PROGRAM_FOLDER [--runs N]\n", tool);
        return false;
    }
    *folder = args.at(1);
    const int at = args.indexOf(QStringLiteral("--runs"));
    *runs = at > 0 && at + 1 < args.size() ? std::max(1, args.at(at + 1).toInt()) : defaultRuns;
    return true;
}

inline double median(QVector<double> times) {
    if (times.isEmpty())
        return 0;
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace BenchSupport
