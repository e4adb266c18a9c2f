#include "entries/RelayRule.h"

namespace RelayRule {

Outcome check(const QVector<Row>& rows, const Lookup& lookup) {
    // Each listed partner, as the stored rider it names.
    QVector<std::optional<EntryStore::Rider>> partner(rows.size());
    for (int r = 0; r < rows.size(); ++r) {
        const Row& row = rows.at(r);
        if (row.InRelay && !row.PartnerText.isEmpty() && !row.PartnerCut)
            partner[r] = lookup.findRider(row.PartnerText);
    }
    for (int r = 0; r < rows.size(); ++r) {
        const Row& row = rows.at(r);
        if (!row.InRelay)
            continue;
        if (row.PartnerText.isEmpty())
            return {kNoPartner, {}};
        if (!partner[r])
            return {QStringLiteral("The relay partner \"%1\" listed for rider %2 is not a rider "
                                   "of the district. Choose a rider number from the list.")
                        .arg(row.PartnerText, row.RiderNumber),
                    {}};
        if (partner[r]->RiderNumber.compare(row.RiderNumber, Qt::CaseInsensitive) == 0)
            return {QStringLiteral("Rider %1 is listed as the relay partner of rider %1. A rider "
                                   "cannot be his or her own relay partner; choose another "
                                   "rider.")
                        .arg(row.RiderNumber),
                    {}};
        for (int s = r + 1; s < rows.size(); ++s) {
            if (rows.at(s).InRelay && partner[s] &&
                partner[s]->RiderNumber == partner[r]->RiderNumber)
                return {kTwoTeams, {}};
        }
    }
    // A rider entered in the relay is nobody's partner on the team.
    for (const Row& entered : rows) {
        if (!entered.InRelay)
            continue;
        for (int r = 0; r < rows.size(); ++r) {
            if (rows.at(r).InRelay && partner[r]->RiderNumber == entered.RiderNumber)
                return {kTwoTeams, {}};
        }
    }
    // Across the district: nobody rides in two relay teams at a meet.
    Outcome out;
    for (int r = 0; r < rows.size(); ++r) {
        const Row& row = rows.at(r);
        if (!row.InRelay)
            continue;
        QString refusal = lookup.riderTakenElsewhere(row.RiderNumber);
        if (refusal.isEmpty())
            refusal = lookup.partnerTakenElsewhere(row.RiderNumber, partner[r]->RiderNumber);
        if (!refusal.isEmpty())
            return {refusal, {}};
        out.pairs.push_back({row.RiderNumber, partner[r]->RiderNumber, partner[r]->FirstName,
                             partner[r]->LastName});
    }
    return out;
}

Lookup storedRecords(qint32 teamCode, qint16 week) {
    return {EntryStore::findRider,
            [=](const QString& rider) {
                return EntryStore::riderTakenElsewhere(rider, teamCode, week);
            },
            [=](const QString& rider, const QString& partner) {
                return EntryStore::partnerTakenElsewhere(rider, partner, teamCode, week);
            }};
}

} // namespace RelayRule
