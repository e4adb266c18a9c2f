#include "placings/Standings.h"

#include <algorithm>
#include <cmath>

namespace Standings {

using GridGeometry::roundHalfEven;

QHash<qint32, TeamRow> tally(QVector<Placing> placings) {
    std::sort(placings.begin(), placings.end(), [](const Placing& a, const Placing& b) {
        if (a.TeamCode != b.TeamCode)
            return a.TeamCode < b.TeamCode;
        return a.ClassNumber != b.ClassNumber ? a.ClassNumber < b.ClassNumber : a.Place < b.Place;
    });
    QHash<qint32, TeamRow> rows;
    QHash<qint32, std::array<qint64, kClasses + 1>> sums;
    for (const Placing& p : placings) {
        if (p.ClassNumber < 1 || p.ClassNumber > kClasses)
            continue;
        QString& places = rows[p.TeamCode].places[p.ClassNumber];
        if (!places.isEmpty())
            places += QLatin1Char(',');
        places += QString::number(p.Place);
        sums[p.TeamCode][p.ClassNumber] += p.Points; // a new team's sums start at zero
    }
    for (auto team = sums.begin(); team != sums.end(); ++team) {
        TeamRow& row = rows[team.key()];
        qint64 running = 0;
        for (int c = 1; c <= kClasses; ++c) {
            if (row.places[c].isEmpty())
                continue;
            running += team.value()[c];
            row.points[c] = QString::number(running);
        }
    }
    return rows;
}

Grid grid(int outerWidth, int outerHeight, int teamCount) {
    Grid g{};
    g.colsShown = roundHalfEven((outerWidth - 3205) / 645.0);
    g.rowsShown = roundHalfEven((outerHeight - 2775) / 720.0);
    const int cols = std::min(g.colsShown, kClasses), rows = std::min(g.rowsShown, teamCount);
    g.gridRight = 2400 + 645 * cols;
    g.gridBottom = 1700 + 720 * rows;
    g.verticalLines = cols + 1;
    g.horizontalLines = rows + 1;
    g.middleLines = rows;
    return g;
}

Bar verticalBar(int outerWidth, int outerHeight, int rowsShown, int teamCount) {
    return GridGeometry::verticalBar(outerWidth, outerHeight, rowsShown, teamCount);
}

Bar horizontalBar(int outerWidth, int outerHeight, int colsShown) {
    return GridGeometry::horizontalBar(outerWidth, outerHeight, colsShown, kClasses);
}

View view(const Grid& grid, int teamCount, int columnValue, int rowValue) {
    return {1 + columnValue, std::min(grid.colsShown, kClasses) + columnValue, 1 + rowValue,
            std::min(grid.rowsShown, teamCount) + rowValue};
}

int cellLeft(int classNumber, const View& view) {
    return 2480 + 645 * (classNumber - view.firstCol);
}

int rowTop(int team, const View& view) {
    return 1750 + 720 * (team - view.firstRow);
}

int boxIndex(int team, int classNumber) {
    return (team - 1) * kClasses + classNumber;
}

} // namespace Standings
