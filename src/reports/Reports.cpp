#include "reports/Reports.h"

#include "data/ClassTable.h"
#include "data/Sql.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <vector>

namespace Reports {

namespace {

using Report::Item;
using Kind_ = Item::Kind;

Item label(const QString& text, int left, int top, int width, int height, double points = 8.25,
           bool bold = false) {
    Item i;
    i.kind = Kind_::Label;
    i.text = text;
    i.left = left, i.top = top, i.width = width, i.height = height;
    i.font = {points, bold};
    return i;
}

Item named(const QString& name, int left, int top, int width, int height, double points,
           bool bold) {
    Item i = label(QString(), left, top, width, height, points, bold);
    i.name = name;
    return i;
}

// A field printing `column` of the definition's rows.
Item field(const Report::Definition& d, const QString& column, int left, int top, int width,
           int height, double points = 8.25, bool bold = false) {
    Item i = label(QString(), left, top, width, height, points, bold);
    i.kind = Kind_::Field;
    i.column = d.column(column);
    return i;
}

// A column of a table report: its bold heading in the group header at `headingTop`, and the
// field under it in the detail, both at the same left and width.
struct Column {
    const char* heading;
    const char* column;
    int left, width;
    bool bold = false;
};

void addColumns(const Report::Definition& d, int headingTop, const std::vector<Column>& columns,
                Report::Section* header, Report::Section* detail) {
    for (const Column& c : columns) {
        header->items.push_back(
            label(QString::fromLatin1(c.heading), c.left, headingTop, c.width, 240, 8.25, true));
        detail->items.push_back(
            field(d, QString::fromLatin1(c.column), c.left, 0, c.width, 240, 8.25, c.bold));
    }
}

Item line(int left, int top, int length) {
    Item i;
    i.kind = Kind_::Line;
    i.left = left, i.top = top, i.width = length;
    return i;
}

// A design's frame: its window, its name and width, and the columns of its rows, which its
// fields then name.
Design frame(Kind kind, const QString& title, int windowWidth, int windowHeight, bool centred,
             const QString& name, int width, const QStringList& columns) {
    Design d;
    d.kind = kind;
    d.title = title;
    d.windowWidth = windowWidth, d.windowHeight = windowHeight;
    d.centred = centred;
    d.layout.name = name;
    d.layout.width = width;
    d.layout.columns = columns;
    d.csv = columns;
    return d;
}

Design riderListDesign() {
    Design d = frame(Kind::RiderList, QStringLiteral("Complete Rider List"), 11100, 7365, false,
                     QStringLiteral("RptRiderList"), 8640,
                     {"Rider Number", "First Name", "Last Name", "Team Name"});
    d.layout.pageHeader = {
        390,
        {label("RiderNumber:", 144, 144, 1008, 240), label("FirstName:", 1440, 144, 1290, 240),
         label("LastName:", 3168, 144, 1290, 240), label("TeamName:", 5184, 144, 1305, 240)}};
    const Report::Definition& l = d.layout;
    d.layout.detail = {528,
                       {field(l, "Rider Number", 144, 144, 1008, 240),
                        field(l, "First Name", 1440, 144, 1440, 240),
                        field(l, "Last Name", 3168, 144, 1440, 240),
                        field(l, "Team Name", 5184, 144, 2730, 240)}};
    d.query =
        QStringLiteral("SELECT TblPerson.RiderNumber AS \"Rider Number\", TblPerson.FirstName AS"
                       " \"First Name\", TblPerson.LastName AS \"Last Name\", TblTeam.TeamName"
                       " AS \"Team Name\" FROM TblPerson"
                       " INNER JOIN TblTeam ON TblPerson.TeamCode = TblTeam.TeamCode"
                       " ORDER BY TblTeam.TeamName, TblPerson.RiderNumber, TblPerson.rowid");
    return d;
}

// The entries of a class at a meet in a ring; for the relay with the partner of each pairing.
// Given the class, the meet and the ring.
QString classSheetQuery(bool relay) {
    return QStringLiteral(
               "SELECT TblPerson.RiderNumber AS \"Rider Number\", TblPerson.FirstName AS"
               " \"First Name\", TblPerson.LastName AS \"Last Name\", TblTeam.TeamName AS"
               " \"Team Name\"%1 FROM TblEntry"
               " INNER JOIN TblPerson ON TblEntry.RiderNumber = TblPerson.RiderNumber"
               " INNER JOIN TblTeam ON TblTeam.TeamCode = TblPerson.TeamCode"
               " INNER JOIN TblRing ON TblRing.TeamCode = TblPerson.TeamCode"
               " AND TblRing.Week = TblEntry.Week%2"
               " WHERE TblEntry.ClassNumber = ? AND TblEntry.Week = ? AND TblRing.RingNumber = ?"
               " ORDER BY TblEntry.RiderNumber, TblEntry.rowid")
        .arg(relay ? QStringLiteral(", TblPairing.PartnerNumber AS \"Partner Number\","
                                    " TblPairing.PartnerFirst AS \"Partner First Name\","
                                    " TblPairing.PartnerLast AS \"Partner Last Name\"")
                   : QString(),
             relay ? QStringLiteral(" INNER JOIN TblPairing ON TblPairing.RiderNumber ="
                                    " TblPerson.RiderNumber AND TblPairing.Week = TblEntry.Week")
                   : QString());
}

// What both class sheets share: the title, the page heading and their rules, and the query.
void sheetHeads(Design& d, int reportHeaderHeight, int pageHeaderHeight, int rule) {
    d.layout.reportHeader = {
        reportHeaderHeight,
        {named("LblReportTitle", 144, 0, 3165, 285, 12, true), line(144, 288, 2730)}};
    d.layout.pageHeader = {pageHeaderHeight,
                           {named("RhTitle", 144, 0, 7050, 285, 9.75, true), line(144, 432, 7050),
                            line(144, 864, rule)}};
    d.query = classSheetQuery(d.kind == Kind::ClassEntries18);
    d.values = 3;
}

Design classEntriesDesign() {
    Design d = frame(Kind::ClassEntries, QStringLiteral("Class Sheet"), 11400, 6720, true,
                     QStringLiteral("RptClassEntries"), 8655,
                     {"Rider Number", "First Name", "Last Name", "Team Name"});
    sheetHeads(d, 375, 960, 8340);
    d.layout.pageHeader.items += {label("Rider Number", 144, 576, 1290, 240, 9.75, true),
                                  label("Firstname:", 1584, 576, 1305, 240, 9.75, true),
                                  label("LastName:", 3168, 576, 1305, 240, 9.75, true),
                                  label("TeamName:", 4752, 576, 1290, 240, 9.75, true)};
    const Report::Definition& l = d.layout;
    d.layout.detail = {450,
                       {field(l, "Rider Number", 144, 144, 1005, 240, 9.75),
                        field(l, "First Name", 1584, 144, 1440, 240, 9.75),
                        field(l, "Last Name", 3168, 144, 1305, 240, 9.75),
                        field(l, "Team Name", 4752, 144, 3735, 240, 9.75)}};
    d.layout.pageFooter = {30, {}};
    return d;
}

Design classEntries18Design() {
    Design d = frame(Kind::ClassEntries18, QStringLiteral("Class Sheet"), 11445, 6705, true,
                     QStringLiteral("RptClassEntries18"), 8928,
                     {"Rider Number", "First Name", "Last Name", "Partner Number",
                      "Partner First Name", "Partner Last Name", "Team Name"});
    sheetHeads(d, 360, 1005, 8496);
    d.layout.pageHeader.items += {label("Rider Number", 144, 576, 720, 240, 9.75, true),
                                  label("Firstname:", 1008, 576, 1305, 240, 9.75, true),
                                  label("LastName:", 2448, 576, 1305, 240, 9.75, true),
                                  label("Partner", 4464, 576, 855, 240, 9.75, true),
                                  label("Firstname:", 5328, 576, 1305, 240, 9.75, true),
                                  label("LastName:", 6768, 576, 1305, 240, 9.75, true)};
    const Report::Definition& l = d.layout;
    d.layout.detail = {
        720,
        {field(l, "Rider Number", 144, 0, 720, 240), field(l, "First Name", 1008, 0, 1296, 240),
         field(l, "Last Name", 2448, 0, 1296, 240), field(l, "Partner Number", 4464, 0, 864, 240),
         field(l, "Partner First Name", 5328, 0, 1296, 240),
         field(l, "Partner Last Name", 6768, 0, 1296, 240),
         label("TeamName:", 576, 288, 1290, 240, 9.75, true),
         field(l, "Team Name", 2016, 288, 3888, 240)}};
    return d;
}

// The page footer of the season reports: "Page X of Y", centred under the body.
Report::Section pageOfPages() {
    Item page = label(QString(), 4032, 288, 288, 288);
    page.kind = Kind_::PageNumber;
    page.centred = true;
    Item of = label("of", 4320, 288, 288, 288);
    of.centred = true;
    Item pages = label(QString(), 4608, 288, 288, 288);
    pages.kind = Kind_::PageCount;
    pages.centred = true;
    return {576, {label("Page", 3600, 288, 432, 288), page, of, pages}};
}

Design teamStandingsDesign() {
    Design d = frame(Kind::TeamStandings, QStringLiteral("Team Standings"), 10980, 6030, true,
                     QStringLiteral("RptTeamStandings"), 8640,
                     {"Team Code", "Team Name", "Division", "Meet", "Points"});
    d.csv = {"Team Name", "Division", "Meet", "Points"};
    const Report::Definition& l = d.layout;
    d.layout.groupBy = l.column("Team Code");
    d.layout.reportHeader = {765, {label("Point Standings", 3312, 144, 2595, 420, 15.75, true)}};
    d.layout.pageHeader = {360, {}};
    d.layout.groupHeader = {630,
                            {line(1152, 144, 7050),
                             field(l, "Team Name", 1296, 288, 4605, 240, 12, true),
                             field(l, "Division", 6048, 288, 1440, 240, 12, true)}};
    Item total = field(l, "Points", 4608, 144, 1440, 240, 9.75, true);
    total.kind = Kind_::Sum;
    d.layout.groupFooter = {525, {label("Total Points:", 3024, 144, 1290, 285, 9.75, true), total}};
    d.layout.pageFooter = pageOfPages();
    d.layout.reportFooter = {360, {line(1152, 144, 7050)}};
    // Each team once for each meet it won points at, or once with 0 points and no meet.
    d.query = QStringLiteral(
        "SELECT TblTeam.TeamCode AS \"Team Code\", TblTeam.TeamName AS \"Team Name\","
        " TblTeam.Division, Won.Week AS Meet, COALESCE(Won.Points, 0) AS Points FROM TblTeam"
        " LEFT JOIN (SELECT TblPerson.TeamCode, TblPlacing.Week, SUM(TblPlacing.Points) AS Points"
        " FROM TblPerson INNER JOIN TblPlacing ON TblPerson.RiderNumber = TblPlacing.RiderNumber"
        " GROUP BY TblPerson.TeamCode, TblPlacing.Week) AS Won ON Won.TeamCode = TblTeam.TeamCode"
        " ORDER BY TblTeam.Division, TblTeam.TeamName, TblTeam.TeamCode, Won.Week");
    return d;
}

Design riderStandingsDesign() {
    Design d = frame(Kind::RiderStandings, QStringLiteral("Rider Standings"), 10980, 6030, true,
                     QStringLiteral("RptRiderStandings"), 8640,
                     {"Division", "Place", "Rider Number", "First Name", "Last Name", "Name",
                      "Team", "Meet 1", "Meet 2", "Meet 3", "Total"});
    d.csv = {"Division", "Place",  "Rider Number", "First Name", "Last Name",
             "Team",     "Meet 1", "Meet 2",       "Meet 3",     "Total"};
    const Report::Definition& l = d.layout;
    d.layout.groupBy = l.column("Division");
    d.layout.reportHeader = {
        1005,
        {label("Rider Standings", 3312, 144, 2595, 420, 15.75, true),
         label("The Two-Person Relay is a pair event and is not counted.", 1152, 624, 7050, 240)}};
    d.layout.pageHeader = {360, {}};
    d.layout.groupHeader = {870,
                            {line(144, 144, 8424),
                             label("Division:", 144, 288, 1152, 240, 12, true),
                             field(l, "Division", 1296, 288, 1440, 240, 12, true)}};
    d.layout.detail = {288, {}};
    addColumns(l, 576,
               {{"Place", "Place", 144, 504},
                {"Number", "Rider Number", 720, 864},
                {"Name", "Name", 1656, 2232},
                {"Team", "Team", 3960, 2016},
                {"Meet 1", "Meet 1", 6048, 576},
                {"Meet 2", "Meet 2", 6696, 576},
                {"Meet 3", "Meet 3", 7344, 576},
                {"Total", "Total", 7992, 576, true}},
               &d.layout.groupHeader, &d.layout.detail);
    d.layout.groupFooter = {144, {}};
    d.layout.pageFooter = pageOfPages();
    d.layout.reportFooter = {360, {line(144, 144, 8424)}};
    // Each rider with season points in classes 1 to 17 (the relay is a pair event), for the
    // division of the team he belongs to now, ranked in it: equal totals share a place and the
    // next place is skipped. A meet without points is empty.
    d.query = QStringLiteral(
        "SELECT Division, RANK() OVER (PARTITION BY Division ORDER BY Total DESC) AS Place,"
        " RiderNumber AS \"Rider Number\", FirstName AS \"First Name\", LastName AS"
        " \"Last Name\", TRIM(COALESCE(FirstName, '') || ' ' || COALESCE(LastName, '')) AS Name,"
        " TeamName AS Team, Meet1 AS \"Meet 1\", Meet2 AS \"Meet 2\", Meet3 AS \"Meet 3\", Total"
        " FROM (SELECT TblTeam.Division, TblPerson.RiderNumber, TblPerson.FirstName,"
        " TblPerson.LastName, TblTeam.TeamName,"
        " NULLIF(SUM(CASE WHEN TblPlacing.Week = 1 THEN TblPlacing.Points END), 0) AS Meet1,"
        " NULLIF(SUM(CASE WHEN TblPlacing.Week = 2 THEN TblPlacing.Points END), 0) AS Meet2,"
        " NULLIF(SUM(CASE WHEN TblPlacing.Week = 3 THEN TblPlacing.Points END), 0) AS Meet3,"
        " SUM(TblPlacing.Points) AS Total FROM TblPerson"
        " INNER JOIN TblTeam ON TblTeam.TeamCode = TblPerson.TeamCode"
        " INNER JOIN TblPlacing ON TblPlacing.RiderNumber = TblPerson.RiderNumber"
        " WHERE TblPlacing.ClassNumber BETWEEN 1 AND 17 GROUP BY TblPerson.rowid"
        " HAVING SUM(TblPlacing.Points) > 0)"
        " ORDER BY Division, Place, RiderNumber");
    return d;
}

// The results of a meet: given the district, the meet, the first and last ring and the first
// and last class. Each class of each ring once without a place when it has no placings.
QString resultsQuery() {
    return QStringLiteral(
               "WITH RECURSIVE Run(District, Week, RingFrom, RingTo, ClassFrom, ClassTo) AS"
               " (SELECT ?, ?, ?, ?, ?, ?), Rings(R) AS (SELECT RingFrom FROM Run"
               " UNION ALL SELECT R + 1 FROM Rings, Run WHERE R < RingTo)"
               " SELECT Run.Week AS Meet, Rings.R AS Ring, TblClass.ClassNumber AS Class,"
               " TblClass.ClassName AS \"Class Name\", Rings.R * 100 + TblClass.ClassNumber AS"
               " \"Ring Class\", 'District ' || COALESCE(Run.District, '') || '   Meet ' ||"
               " COALESCE(Run.Week, '') || '   Ring ' || COALESCE(Rings.R, '') AS Heading,"
               " 'Class ' || TblClass.ClassNumber || ' - ' || COALESCE(TblClass.ClassName, '')"
               " AS \"Class Line\", P.Place, CASE WHEN P.Place IS NULL THEN NULL"
               " WHEN P.Place % 100 IN (11, 12, 13) THEN P.Place || 'th'"
               " WHEN P.Place % 10 = 1 THEN P.Place || 'st' WHEN P.Place % 10 = 2 THEN"
               " P.Place || 'nd' WHEN P.Place % 10 = 3 THEN P.Place || 'rd'"
               " ELSE P.Place || 'th' END AS \"Place Name\", CASE WHEN P.Place IS NULL THEN"
               " 'No placings entered.' END AS Note, P.RiderNumber AS \"Rider Number\","
               " TblPerson.FirstName AS \"First Name\", TblPerson.LastName AS \"Last Name\","
               " TRIM(COALESCE(TblPerson.FirstName, '') || ' ' || COALESCE(TblPerson.LastName,"
               " '')) AS Name, TblTeam.TeamName AS Team, TblTeam.Division, P.Points,"
               " TblPairing.PartnerNumber AS \"Partner Number\", TblPairing.PartnerFirst AS"
               " \"Partner First Name\", TblPairing.PartnerLast AS \"Partner Last Name\","
               " CASE WHEN P.Place IS NULL OR TblClass.ClassNumber <> %1 THEN NULL"
               " WHEN TblPairing.rowid IS NULL THEN '(no partner listed)' ELSE 'and ' ||"
               " TRIM(COALESCE(TblPairing.PartnerNumber, '') || ' ' ||"
               " TRIM(COALESCE(TblPairing.PartnerFirst, '') || ' ' ||"
               " COALESCE(TblPairing.PartnerLast, ''))) END AS Partner"
               " FROM Run CROSS JOIN Rings CROSS JOIN TblClass"
               " LEFT JOIN TblPlacing AS P ON P.Week = Run.Week AND P.Ring = Rings.R"
               " AND P.ClassNumber = TblClass.ClassNumber"
               " LEFT JOIN TblPerson ON TblPerson.RiderNumber = P.RiderNumber"
               " LEFT JOIN TblTeam ON TblTeam.TeamCode = TblPerson.TeamCode"
               " LEFT JOIN TblPairing ON TblClass.ClassNumber = %1"
               " AND TblPairing.RiderNumber = P.RiderNumber AND TblPairing.Week = Run.Week"
               " WHERE TblClass.ClassNumber BETWEEN Run.ClassFrom AND Run.ClassTo"
               " ORDER BY Rings.R, TblClass.ClassNumber, P.Place, P.rowid")
        .arg(ClassTable::kRelayClass);
}

// Meet Results and Class Results: each class of a ring under its heading, a ring on a new page.
Design resultsDesign(Kind kind, const QString& title, const QString& name) {
    Design d = frame(kind, title, 10980, 6030, true, name, 8640,
                     {"Meet",
                      "Ring",
                      "Class",
                      "Class Name",
                      "Ring Class",
                      "Heading",
                      "Class Line",
                      "Place",
                      "Place Name",
                      "Note",
                      "Rider Number",
                      "First Name",
                      "Last Name",
                      "Name",
                      "Team",
                      "Division",
                      "Points",
                      "Partner Number",
                      "Partner First Name",
                      "Partner Last Name",
                      "Partner"});
    d.csv = {"Meet",
             "Ring",
             "Class",
             "Class Name",
             "Place",
             "Rider Number",
             "First Name",
             "Last Name",
             "Team",
             "Division",
             "Points",
             "Partner Number",
             "Partner First Name",
             "Partner Last Name"};
    const Report::Definition& l = d.layout;
    d.layout.groupBy = l.column("Ring Class");
    d.layout.newPageBy = l.column("Ring");
    d.layout.reportHeader = {660, {label(title, 3312, 144, 2595, 420, 15.75, true)}};
    d.layout.pageHeader = {144, {}};
    d.layout.groupHeader = {1152,
                            {line(144, 144, 8424),
                             field(l, "Heading", 144, 288, 8424, 285, 12, true),
                             field(l, "Class Line", 144, 576, 8424, 240, 9.75, true)}};
    d.layout.detail = {288, {field(l, "Note", 144, 0, 3168, 240)}};
    addColumns(l, 864,
               {{"Place", "Place Name", 144, 504},
                {"Number", "Rider Number", 720, 648},
                {"Name", "Name", 1440, 1872},
                {"Team", "Team", 3384, 1728},
                {"Division", "Division", 5184, 648},
                {"Points", "Points", 5904, 504}},
               &d.layout.groupHeader, &d.layout.detail);
    d.layout.detail.items.push_back(field(l, "Partner", 6480, 0, 2088, 240));
    d.layout.groupFooter = {144, {}};
    d.layout.pageFooter = pageOfPages();
    d.query = resultsQuery();
    d.values = 6;
    return d;
}

} // namespace

const std::vector<Design>& designs() {
    static const std::vector<Design> all = [] {
        std::vector<Design> made{riderListDesign(),
                                 classEntriesDesign(),
                                 classEntries18Design(),
                                 teamStandingsDesign(),
                                 riderStandingsDesign(),
                                 resultsDesign(Kind::MeetResults, QStringLiteral("Meet Results"),
                                               QStringLiteral("RptMeetResults")),
                                 resultsDesign(Kind::ClassResults, QStringLiteral("Class Results"),
                                               QStringLiteral("RptClassResults"))};
        for (const Design& d : made)
            for (const QString& column : d.csv)
                d.layout.column(column); // throws when the CSV names a column the rows lack
        return made;
    }();
    return all;
}

const Design& design(Kind kind) {
    const std::vector<Design>& all = designs();
    const auto found =
        std::find_if(all.begin(), all.end(), [kind](const Design& d) { return d.kind == kind; });
    if (found == all.end())
        throw std::logic_error("a report kind without a design");
    return *found;
}

QVector<Report::Row> read(const Design& design, const QVariantList& values) {
    QSqlQuery q = Sql::run(design.query, values);
    // Where each of the report's columns is in the query's, found once.
    const QSqlRecord record = q.record();
    const QStringList& columns = design.layout.columns;
    QVector<int> from;
    for (const QString& column : columns) {
        const int k = record.indexOf(column);
        if (k < 0)
            throw Report::UnknownColumn(design.layout.name.toStdString() +
                                        ": its query delivers no column \"" + column.toStdString() +
                                        "\"");
        from.push_back(k);
    }
    QVector<Report::Row> rows;
    while (q.next()) {
        QVector<QVariant> row;
        row.reserve(from.size());
        for (int k : from)
            row.push_back(q.value(k));
        rows.push_back(Report::Row(columns, row));
    }
    return rows;
}

QVector<Report::Row> riderList() {
    return read(design(Kind::RiderList), {});
}

QVector<Report::Row> classSheet(const ClassRun& run) {
    const Kind kind =
        run.ClassNumber == ClassTable::kRelayClass ? Kind::ClassEntries18 : Kind::ClassEntries;
    return read(design(kind), {run.ClassNumber, run.Week, run.Ring});
}

QVector<Report::Row> teamStandings() {
    return read(design(Kind::TeamStandings), {});
}

QVector<Report::Row> riderStandings() {
    return read(design(Kind::RiderStandings), {});
}

QVector<Report::Row> meetResults(const QString& district, qint16 meet, int rings) {
    return read(design(Kind::MeetResults), {district, meet, 1, rings, 1, ClassTable::kClassCount});
}

QVector<Report::Row> classResults(const QString& district, const ClassRun& run) {
    return read(design(Kind::ClassResults),
                {district, run.Week, run.Ring, run.Ring, run.ClassNumber, run.ClassNumber});
}

QString classSheetTitle(const QString& district) {
    return QStringLiteral("VORN District ") + district + QStringLiteral(" Class Sheet");
}

QString classSheetHeading(int ring, const QString& classLine) {
    return QStringLiteral("Rider List for Ring: %1, Class: %2").arg(ring).arg(classLine);
}

} // namespace Reports
