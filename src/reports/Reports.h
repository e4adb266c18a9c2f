#pragma once

#include "core/ClassRun.h"
#include "reports/ReportLayout.h"

#include <QStringList>
#include <vector>

// The reports of the program: their layouts, their queries and the rows they print.
// Failures to read the rows throw DbError.
namespace Reports {

enum class Kind {
    RiderList,
    ClassEntries,
    ClassEntries18,
    TeamStandings,
    RiderStandings,
    MeetResults,
    ClassResults
};

struct Design {
    Kind kind;
    QString title;       // the window's title
    int windowWidth = 0; // designed window size in twips
    int windowHeight = 0;
    bool centred = true;
    Report::Definition layout; // its columns are those of the rows, whatever the query's order
    QString query;             // delivers (at least) the layout's columns, by name
    int values = 0;            // how many values the query is given, one a "?"
    QStringList csv;           // the columns a CSV file lists, in its order
};

// Every report, each found by its kind; building one whose fields, group or CSV name a column
// it does not have throws Report::UnknownColumn.
const std::vector<Design>& designs();
const Design& design(Kind kind);

// The rows of a report: its query run with `values`, each row holding the layout's columns.
// Throws Report::UnknownColumn when the query does not deliver one of them.
QVector<Report::Row> read(const Design& design, const QVariantList& values);

// Every rider whose team exists, by team name, then rider number.
QVector<Report::Row> riderList();
// The entries of a class at a meet whose riders' teams ride in the ring, by rider number; for
// the relay only the entries with a pairing, once per pairing, with the partner.
QVector<Report::Row> classSheet(const ClassRun& run);
// One row per team and meet at which the team won points, with those points (a team without
// placings has one row, with 0 points and no meet), teams by division, name and code.
QVector<Report::Row> teamStandings();
// Every rider with season points outside the relay, by the division of his team, ranked in it
// by his total (equal totals share a place), then by rider number; his points at each meet.
QVector<Report::Row> riderStandings();
// The stored places of every class in every ring of a meet (the district's rings), by ring,
// class and place; a class without placings in a ring has one row without a place. The relay
// rows name the partner of the meet's pairing.
QVector<Report::Row> meetResults(const QString& district, qint16 meet, int rings);
// The same of one ring and class of a meet.
QVector<Report::Row> classResults(const QString& district, const ClassRun& run);

// The two titles of a class sheet.
QString classSheetTitle(const QString& district);
QString classSheetHeading(int ring, const QString& classLine);

} // namespace Reports
