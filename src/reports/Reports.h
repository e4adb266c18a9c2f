#pragma once

#include "reports/ReportLayout.h"

#include <QStringList>

// The four reports of the program: their layouts and the rows they print. Failures to read
// the rows throw DbError.
namespace Reports {

enum class Kind { RiderList, ClassEntries, ClassEntries18, TeamStandings };

struct Design {
    Kind kind;
    QString title;       // the window's title
    int windowWidth = 0; // designed window size in twips
    int windowHeight = 0;
    bool centred = true;
    Report::Definition layout;
    QStringList columns; // the fields of a row, in the order a CSV file lists them
};

const Design& design(Kind kind);

// Every rider whose team exists, by team name, then rider number.
QVector<Report::Row> riderList();
// The entries of a class at a meet whose riders' teams ride in the ring, by rider number; for
// the relay only the entries with a pairing, once per pairing, with the partner.
QVector<Report::Row> classSheet(int ring, int classNumber, qint16 week);
// One row per team and meet with the team's points at the meet (a team without placings has
// one row without points), teams by division, name and code.
QVector<Report::Row> teamStandings();

// The two titles of a class sheet.
QString classSheetTitle(const QString& district);
QString classSheetHeading(int ring, const QString& classLine);

} // namespace Reports
