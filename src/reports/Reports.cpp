#include "reports/Reports.h"

#include "data/ClassTable.h"
#include "data/Sql.h"

#include <QSqlQuery>
#include <QSqlRecord>

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

Item field(const QString& name, int left, int top, int width, int height, double points = 8.25,
           bool bold = false) {
    Item i = label(name, left, top, width, height, points, bold);
    i.kind = Kind_::Field;
    return i;
}

Item line(int left, int top, int length) {
    Item i;
    i.kind = Kind_::Line;
    i.left = left, i.top = top, i.width = length;
    return i;
}

Design riderListDesign() {
    Design d{Kind::RiderList, QStringLiteral("Complete Rider List"), 11100, 7365, false, {}, {}};
    d.layout.name = QStringLiteral("RptRiderList");
    d.layout.width = 8640;
    d.layout.pageHeader = {
        390,
        {label("RiderNumber:", 144, 144, 1008, 240), label("FirstName:", 1440, 144, 1290, 240),
         label("LastName:", 3168, 144, 1290, 240), label("TeamName:", 5184, 144, 1305, 240)}};
    d.layout.detail = {
        528,
        {field("RiderNumber", 144, 144, 1008, 240), field("FirstName", 1440, 144, 1440, 240),
         field("LastName", 3168, 144, 1440, 240), field("TeamName", 5184, 144, 2730, 240)}};
    d.columns = {"RiderNumber", "FirstName", "LastName", "TeamName"};
    return d;
}

// What both class sheets share: the title, the page heading and their rules.
void sheetHeads(Design& d, int reportHeaderHeight, int pageHeaderHeight, int rule) {
    d.layout.reportHeader = {
        reportHeaderHeight,
        {named("LblReportTitle", 144, 0, 3165, 285, 12, true), line(144, 288, 2730)}};
    d.layout.pageHeader = {pageHeaderHeight,
                           {named("RhTitle", 144, 0, 7050, 285, 9.75, true), line(144, 432, 7050),
                            line(144, 864, rule)}};
}

Design classEntriesDesign() {
    Design d{Kind::ClassEntries, QStringLiteral("Class Sheet"), 11400, 6720, true, {}, {}};
    d.layout.name = QStringLiteral("RptClassEntries");
    d.layout.width = 8655;
    sheetHeads(d, 375, 960, 8340);
    d.layout.pageHeader.items += {label("Rider Number", 144, 576, 1290, 240, 9.75, true),
                                  label("Firstname:", 1584, 576, 1305, 240, 9.75, true),
                                  label("LastName:", 3168, 576, 1305, 240, 9.75, true),
                                  label("TeamName:", 4752, 576, 1290, 240, 9.75, true)};
    d.layout.detail = {450,
                       {field("RiderNumber", 144, 144, 1005, 240, 9.75),
                        field("Firstname", 1584, 144, 1440, 240, 9.75),
                        field("LastName", 3168, 144, 1305, 240, 9.75),
                        field("TeamName", 4752, 144, 3735, 240, 9.75)}};
    d.layout.pageFooter = {30, {}};
    d.columns = {"RiderNumber", "Firstname", "LastName", "TeamName"};
    return d;
}

Design classEntries18Design() {
    Design d{Kind::ClassEntries18, QStringLiteral("Class Sheet"), 11445, 6705, true, {}, {}};
    d.layout.name = QStringLiteral("RptClassEntries18");
    d.layout.width = 8928;
    sheetHeads(d, 360, 1005, 8496);
    d.layout.pageHeader.items += {label("Rider Number", 144, 576, 720, 240, 9.75, true),
                                  label("Firstname:", 1008, 576, 1305, 240, 9.75, true),
                                  label("LastName:", 2448, 576, 1305, 240, 9.75, true),
                                  label("Partner", 4464, 576, 855, 240, 9.75, true),
                                  label("Firstname:", 5328, 576, 1305, 240, 9.75, true),
                                  label("LastName:", 6768, 576, 1305, 240, 9.75, true)};
    d.layout.detail = {
        720,
        {field("RiderNumber", 144, 0, 720, 240), field("Firstname", 1008, 0, 1296, 240),
         field("LastName", 2448, 0, 1296, 240), field("PartnerNumber", 4464, 0, 864, 240),
         field("PartnerFirst", 5328, 0, 1296, 240), field("PartnerLast", 6768, 0, 1296, 240),
         label("TeamName:", 576, 288, 1290, 240, 9.75, true),
         field("TeamName", 2016, 288, 3888, 240)}};
    d.columns = {"RiderNumber",  "Firstname",   "LastName", "PartnerNumber",
                 "PartnerFirst", "PartnerLast", "TeamName"};
    return d;
}

Design teamStandingsDesign() {
    Design d{Kind::TeamStandings, QStringLiteral("Team Standings"), 10980, 6030, true, {}, {}};
    d.layout.name = QStringLiteral("RptTeamStandings");
    d.layout.width = 8640;
    d.layout.groupBy = QStringLiteral("TeamCode");
    d.layout.reportHeader = {765, {label("Point Standings", 3312, 144, 2595, 420, 15.75, true)}};
    d.layout.pageHeader = {360, {}};
    d.layout.groupHeader = {630,
                            {line(1152, 144, 7050),
                             field("TeamName", 1296, 288, 4605, 240, 12, true),
                             field("Division", 6048, 288, 1440, 240, 12, true)}};
    Item total = field("Sum Of Points", 4608, 144, 1440, 240, 9.75, true);
    total.kind = Kind_::Sum;
    d.layout.groupFooter = {525, {label("Total Points:", 3024, 144, 1290, 285, 9.75, true), total}};
    Item page = label(QString(), 4032, 288, 288, 288);
    page.kind = Kind_::PageNumber;
    page.centred = true;
    Item of = label("of", 4320, 288, 288, 288);
    of.centred = true;
    Item pages = label(QString(), 4608, 288, 288, 288);
    pages.kind = Kind_::PageCount;
    pages.centred = true;
    d.layout.pageFooter = {576, {label("Page", 3600, 288, 432, 288), page, of, pages}};
    d.layout.reportFooter = {360, {line(1152, 144, 7050)}};
    d.columns = {"TeamName", "Division", "Week", "Sum Of Points"};
    return d;
}

QVector<Report::Row> rowsOf(const QString& sql, const QVariantList& values) {
    QSqlQuery q = Sql::run(sql, values);
    QVector<Report::Row> rows;
    while (q.next()) {
        const QSqlRecord r = q.record();
        Report::Row row;
        for (int k = 0; k < r.count(); ++k)
            row.insert(r.fieldName(k), q.value(k));
        rows.push_back(row);
    }
    return rows;
}

} // namespace

const Design& design(Kind kind) {
    static const Design designs[] = {riderListDesign(), classEntriesDesign(),
                                     classEntries18Design(), teamStandingsDesign()};
    return designs[int(kind)];
}

QVector<Report::Row> riderList() {
    return rowsOf("SELECT TblPerson.RiderNumber, TblPerson.FirstName, TblPerson.LastName,"
                  " TblTeam.TeamName FROM TblPerson"
                  " INNER JOIN TblTeam ON TblPerson.TeamCode = TblTeam.TeamCode"
                  " ORDER BY TblTeam.TeamName, TblPerson.RiderNumber, TblPerson.rowid",
                  {});
}

QVector<Report::Row> classSheet(int ring, int classNumber, qint16 week) {
    const bool relay = classNumber == ClassTable::kRelayClass;
    return rowsOf(
        QStringLiteral(
            "SELECT TblPerson.RiderNumber, TblPerson.FirstName AS Firstname, TblPerson.LastName,"
            " TblTeam.TeamName%1 FROM TblEntry"
            " INNER JOIN TblPerson ON TblEntry.RiderNumber = TblPerson.RiderNumber"
            " INNER JOIN TblTeam ON TblTeam.TeamCode = TblPerson.TeamCode"
            " INNER JOIN TblRing ON TblRing.TeamCode = TblPerson.TeamCode"
            " AND TblRing.Week = TblEntry.Week%2"
            " WHERE TblEntry.ClassNumber = ? AND TblEntry.Week = ? AND TblRing.RingNumber = ?"
            " ORDER BY TblEntry.RiderNumber, TblEntry.rowid")
            .arg(relay ? QStringLiteral(", TblPairing.PartnerNumber, TblPairing.PartnerFirst,"
                                        " TblPairing.PartnerLast")
                       : QString(),
                 relay
                     ? QStringLiteral(" INNER JOIN TblPairing ON TblPairing.RiderNumber ="
                                      " TblPerson.RiderNumber AND TblPairing.Week = TblEntry.Week")
                     : QString()),
        {classNumber, week, ring});
}

QVector<Report::Row> teamStandings() {
    return rowsOf("SELECT TblTeam.TeamCode, TblTeam.TeamName, TblTeam.Division, TblPlacing.Week,"
                  " SUM(TblPlacing.Points) AS \"Sum Of Points\" FROM TblTeam"
                  " LEFT JOIN TblPerson ON TblTeam.TeamCode = TblPerson.TeamCode"
                  " LEFT JOIN TblPlacing ON TblPerson.RiderNumber = TblPlacing.RiderNumber"
                  " GROUP BY TblTeam.TeamCode, TblPlacing.Week"
                  " ORDER BY TblTeam.Division, TblTeam.TeamName, TblTeam.TeamCode, TblPlacing.Week",
                  {});
}

QString classSheetTitle(const QString& district) {
    return QStringLiteral("VORN District ") + district + QStringLiteral(" Class Sheet");
}

QString classSheetHeading(int ring, const QString& classLine) {
    return QStringLiteral("Rider List for Ring: %1, Class: %2").arg(ring).arg(classLine);
}

} // namespace Reports
