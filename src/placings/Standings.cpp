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
    QHash<qint32, std::array<qint64, kClassCount + 1>> sums;
    for (const Placing& p : placings) {
        if (p.ClassNumber < 1 || p.ClassNumber > kClassCount)
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
        for (int c = 1; c <= kClassCount; ++c) {
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
    // 200 + 2055 + 225 + 225 + 400 + 100 across; 1750 + 625 + 400 down.
    g.colsShown = roundHalfEven((outerWidth - 3205) / double(kLayout.columns.pitch));
    g.rowsShown = roundHalfEven((outerHeight - 2775) / double(kLayout.rows.pitch));
    g.columnsInView = std::min(g.colsShown, kClassCount);
    g.rowsInView = std::min(g.rowsShown, teamCount);
    g.gridRight = GridGeometry::linesRight(kLayout, g.columnsInView);
    g.gridBottom = GridGeometry::linesBottom(kLayout, g.rowsInView);
    g.verticalLines = g.columnsInView + 1;
    g.horizontalLines = g.rowsInView + 1;
    g.middleLines = g.rowsInView;
    return g;
}

Bar verticalBar(int outerWidth, int outerHeight, int rowsShown, int teamCount) {
    return GridGeometry::verticalBar(outerWidth, outerHeight, rowsShown, teamCount);
}

Bar horizontalBar(int outerWidth, int outerHeight, int colsShown) {
    return GridGeometry::horizontalBar(outerWidth, outerHeight, colsShown, kClassCount);
}

QVector<Line> verticalLines(const Grid& grid) {
    return GridGeometry::columnLines(kLayout, grid.verticalLines, grid.gridBottom);
}

QVector<Line> horizontalLines(const Grid& grid) {
    return GridGeometry::rowLines(kLayout, grid.horizontalLines, grid.gridRight);
}

QVector<Line> middleLines(const Grid& grid) {
    return GridGeometry::linesAcross(grid.middleLines, kMiddleLinesAt, kLayout.columnLines.first,
                                     grid.gridRight);
}

View view(const Grid& grid, int teamCount, int columnValue, int rowValue) {
    return GridGeometry::view(grid.colsShown, kClassCount, grid.rowsShown, teamCount, columnValue,
                              rowValue);
}

QPoint teamLabelAt(int rowPlace) {
    return {kLayout.labelLeft, kLayout.rows.at(rowPlace)};
}

QPoint placeBoxAt(int slot, const Grid& grid) {
    return {kLayout.columns.at((slot - 1) % grid.columnsInView + 1),
            kLayout.rows.at((slot - 1) / grid.columnsInView + 1)};
}

QPoint pointsBoxAt(int slot, const Grid& grid) {
    return placeBoxAt(slot, grid) + QPoint(0, kPointsBelow);
}

int teamShownAt(int rowPlace, const View& view) {
    return view.rows.first + rowPlace - 1;
}

Cell cellShownAt(int slot, const Grid& grid, const View& view) {
    return {teamShownAt((slot - 1) / grid.columnsInView + 1, view),
            view.columns.first + (slot - 1) % grid.columnsInView};
}

int boxIndex(int team, int classNumber) {
    return (team - 1) * kClassCount + classNumber;
}

} // namespace Standings
