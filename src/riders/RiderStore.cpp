#include "riders/RiderStore.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/Sql.h"
#include "data/Transaction.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlQuery>

namespace RiderStore {

namespace {

// The searched column comes from this fixed list only, never from what the user typed.
QString searchColumn(SearchField field) {
    switch (field) {
    case SearchField::FirstName:
        return QStringLiteral("TblPerson.FirstName");
    case SearchField::RiderNumber:
        return QStringLiteral("TblPerson.RiderNumber");
    case SearchField::TeamName:
        return QStringLiteral("TblTeam.TeamName");
    case SearchField::LastName:
        break;
    }
    return QStringLiteral("TblPerson.LastName");
}

} // namespace

QVector<RiderLine> search(SearchField field, const QString& text) {
    const QString sql =
        QStringLiteral("SELECT TblPerson.FirstName, TblPerson.LastName, TblPerson.RiderNumber,"
                       " TblPerson.TeamCode, TblTeam.TeamName"
                       " FROM TblPerson INNER JOIN TblTeam ON TblPerson.TeamCode = TblTeam.TeamCode"
                       " WHERE instr(fold_case(%1), ?) > 0"
                       " ORDER BY TblPerson.RiderNumber, TblPerson.rowid")
            .arg(searchColumn(field));
    return Sql::rows<RiderLine>(sql, {Connection::folded(text)}, [](const QSqlQuery& q) {
        RiderLine line;
        line.FirstName = Sql::text(q, "FirstName");
        line.LastName = Sql::text(q, "LastName");
        line.RiderNumber = Sql::text(q, "RiderNumber");
        line.TeamCode = q.value("TeamCode").toInt();
        line.TeamName = Sql::text(q, "TeamName");
        return line;
    });
}

QString lineText(const RiderLine& line) {
    return line.RiderNumber + QStringLiteral(" - ") + line.LastName + QStringLiteral(", ") +
           line.FirstName + QStringLiteral(" (") + line.TeamName + QStringLiteral(")");
}

bool isEntered(const QString& riderNumber) {
    return Sql::exists(
        "SELECT 1 FROM TblEntry WHERE RiderNumber = ?"
        " UNION ALL SELECT 1 FROM TblPairing WHERE RiderNumber = ? OR PartnerNumber = ?"
        " UNION ALL SELECT 1 FROM TblPlacing WHERE RiderNumber = ?"
        " LIMIT 1",
        {riderNumber, riderNumber, riderNumber, riderNumber});
}

bool remove(const QString& riderNumber) {
    QSqlQuery q = Sql::run("DELETE FROM TblPerson WHERE RiderNumber = ?", {riderNumber});
    return q.numRowsAffected() > 0;
}

std::optional<Rider> find(const QString& riderNumber) {
    return Sql::first<Rider>("SELECT RiderNumber, FirstName, LastName, Address, City, Zip, TeamCode"
                             " FROM TblPerson WHERE RiderNumber = ?",
                             {riderNumber}, [](const QSqlQuery& q) {
                                 Rider r;
                                 r.RiderNumber = Sql::text(q, "RiderNumber");
                                 r.FirstName = Sql::text(q, "FirstName");
                                 r.LastName = Sql::text(q, "LastName");
                                 r.Address = Sql::text(q, "Address");
                                 r.City = Sql::text(q, "City");
                                 r.Zip = Sql::text(q, "Zip");
                                 r.TeamCode = q.value("TeamCode").toInt();
                                 return r;
                             });
}

void insert(const Rider& r) {
    Transaction tx;
    Sql::run("INSERT INTO TblPerson (RiderNumber, FirstName, LastName, Address, City, Zip,"
             " TeamCode) VALUES (?, ?, ?, ?, ?, ?, ?)",
             {r.RiderNumber, r.FirstName, r.LastName, r.Address, r.City, r.Zip, r.TeamCode});
    tx.commit();
}

QStringList storedAmong(const QStringList& numbers) {
    QJsonArray given;
    for (const QString& number : numbers)
        given.append(number);
    // Each given number looked up by the index (CROSS JOIN keeps that order): the cost is the
    // file's, not the district's.
    QSqlQuery q =
        Sql::run("SELECT TblPerson.RiderNumber FROM json_each(?) AS Given"
                 " CROSS JOIN TblPerson ON TblPerson.RiderNumber = Given.value",
                 {QString::fromUtf8(QJsonDocument(given).toJson(QJsonDocument::Compact))});
    QStringList stored;
    while (q.next())
        stored << q.value(0).toString();
    return stored;
}

void insertRoster(const QVector<TeamStore::Team>& newTeams, const QVector<RosterRider>& riders) {
    Transaction tx;
    QVector<qint32> codes;
    for (const TeamStore::Team& team : newTeams)
        codes << TeamStore::insertTeam(team.TeamName, team.Division);
    for (RosterRider r : riders) {
        if (r.newTeam >= 0)
            r.rider.TeamCode = codes.at(r.newTeam);
        insert(r.rider);
    }
    tx.commit();
}

void update(const QString& storedNumber, const Rider& r) {
    Transaction tx;
    QSqlQuery q = Sql::run("UPDATE TblPerson SET RiderNumber = ?, FirstName = ?, LastName = ?,"
                           " Address = ?, City = ?, Zip = ?, TeamCode = ? WHERE RiderNumber = ?",
                           {r.RiderNumber, r.FirstName, r.LastName, r.Address, r.City, r.Zip,
                            r.TeamCode, storedNumber});
    if (q.numRowsAffected() < 1)
        throw DbError(QStringLiteral("rider %1 is no longer stored").arg(storedNumber));
    if (r.RiderNumber != storedNumber) {
        // A refusal here is about the rider's other rows, not a second rider with the number:
        // it must not read as the duplicate-number case.
        try {
            const QVariantList values{r.RiderNumber, storedNumber};
            Sql::run("UPDATE TblEntry SET RiderNumber = ? WHERE RiderNumber = ?", values);
            Sql::run("UPDATE TblPairing SET RiderNumber = ? WHERE RiderNumber = ?", values);
            Sql::run("UPDATE TblPairing SET PartnerNumber = ? WHERE PartnerNumber = ?", values);
            Sql::run("UPDATE TblPlacing SET RiderNumber = ? WHERE RiderNumber = ?", values);
        } catch (const DbError& e) {
            throw DbError(
                QStringLiteral("the rider's entries, pairings and placings could not take the "
                               "new number (%1)")
                    .arg(e.reason()));
        }
    }
    tx.commit();
}

} // namespace RiderStore
