#include "data/DistrictTables.h"

#include "data/Sql.h"

#include <QSqlQuery>

namespace {

// A sheet and the query that fills it, a column a heading. Text columns hold what was
// stored as text (their affinity sees to that), so rider number 007, a zip code or a phone
// number comes back as text; codes, meets, rings, classes, places and points as numbers.
struct Source {
    QString name;
    QStringList headings;
    QString sql;
};

const QVector<Source>& sources() {
    static const QVector<Source> all = {
        {"Teams",
         {"Team Code", "Team Name", "Division"},
         "SELECT TeamCode, TeamName, Division FROM TblTeam ORDER BY Division, TeamName, TeamCode"},
        {"Coaches",
         {"Coach Code", "First Name", "Last Name", "Address", "City", "Zip", "Primary Phone",
          "Secondary Phone", "Email", "Position", "Team Code", "Team Name"},
         "SELECT c.CoachCode, c.FirstName, c.LastName, c.Address, c.City, c.Zip, c.\"Primary\","
         " c.Secondary, c.Email, c.Position, c.TeamCode, t.TeamName"
         " FROM TblCoach AS c LEFT JOIN TblTeam AS t ON t.TeamCode = c.TeamCode"
         " ORDER BY t.Division, t.TeamName, c.TeamCode, c.Position DESC, c.LastName,"
         " c.CoachCode"},
        // The headings the rider import reads, so that a roster exported and edited can be
        // imported into the next season's database.
        {"Riders",
         {"Rider Number", "First Name", "Last Name", "Address", "City", "Zip", "Team", "Division"},
         "SELECT p.RiderNumber, p.FirstName, p.LastName, p.Address, p.City, p.Zip, t.TeamName,"
         " t.Division FROM TblPerson AS p LEFT JOIN TblTeam AS t ON t.TeamCode = p.TeamCode"
         " ORDER BY p.RiderNumber"},
        {"Ring Assignments",
         {"Meet", "Ring", "Team Code", "Team Name"},
         "SELECT r.Week, r.RingNumber, r.TeamCode, t.TeamName"
         " FROM TblRing AS r LEFT JOIN TblTeam AS t ON t.TeamCode = r.TeamCode"
         " ORDER BY r.Week, r.RingNumber, t.Division, t.TeamName, r.TeamCode, r.rowid"},
        {"Entries",
         {"Meet", "Class", "Class Name", "Rider Number", "First Name", "Last Name"},
         "SELECT e.Week, e.ClassNumber, k.ClassName, e.RiderNumber, p.FirstName, p.LastName"
         " FROM TblEntry AS e LEFT JOIN TblClass AS k ON k.ClassNumber = e.ClassNumber"
         " LEFT JOIN TblPerson AS p ON p.RiderNumber = e.RiderNumber"
         " ORDER BY e.Week, e.ClassNumber, e.RiderNumber, e.rowid"},
        {"Relay Pairs",
         {"Meet", "Rider Number", "Partner Number", "Partner First Name", "Partner Last Name"},
         "SELECT Week, RiderNumber, PartnerNumber, PartnerFirst, PartnerLast FROM TblPairing"
         " ORDER BY Week, RiderNumber, rowid"},
        {"Placings",
         {"Meet", "Ring", "Class", "Class Name", "Place", "Rider Number", "First Name", "Last Name",
          "Points"},
         "SELECT s.Week, s.Ring, s.ClassNumber, k.ClassName, s.Place, s.RiderNumber,"
         " p.FirstName, p.LastName, s.Points"
         " FROM TblPlacing AS s LEFT JOIN TblClass AS k ON k.ClassNumber = s.ClassNumber"
         " LEFT JOIN TblPerson AS p ON p.RiderNumber = s.RiderNumber"
         " ORDER BY s.Week, s.Ring, s.ClassNumber, s.Place, s.RiderNumber, s.rowid"},
    };
    return all;
}

} // namespace

namespace DistrictTables {

QVector<Sheet> read() {
    QVector<Sheet> sheets;
    for (const Source& source : sources()) {
        const int columns = source.headings.size();
        const auto cells = [columns](const QSqlQuery& q) {
            QVariantList row;
            for (int c = 0; c < columns; ++c)
                row << q.value(c);
            return row;
        };
        sheets.push_back(
            {source.name, source.headings, Sql::rows<QVariantList>(source.sql, {}, cells)});
    }
    return sheets;
}

} // namespace DistrictTables
