#include "riders/RiderForms.h"

#include "data/DbError.h"
#include "forms/Controls.h"
#include "forms/Messages.h"
#include "teams/TeamStore.h"

#include <QComboBox>
#include <QLineEdit>

namespace RiderForms {

bool fillTeams(QComboBox* list, QVector<TeamStore::Team>* teams) {
    list->clear();
    teams->clear();
    const bool read = Controls::guarded([&] { *teams = TeamStore::teams(); });
    for (const TeamStore::Team& team : *teams)
        list->addItem(team.TeamName);
    list->setCurrentIndex(-1);
    return read;
}

bool chosenTeam(const QComboBox* list, const QVector<TeamStore::Team>& teams, qint32* teamCode) {
    const int position = list->currentIndex();
    if (position < 0 || position >= teams.size()) {
        Messages::notice(kNoTeam);
        return false;
    }
    *teamCode = teams.at(position).TeamCode;
    return true;
}

bool numberTyped(const QLineEdit* numberBox) {
    if (numberBox->text().trimmed().isEmpty()) {
        Messages::notice(kNoNumber);
        return false;
    }
    return true;
}

RiderStore::Rider typedRider(const Boxes& boxes, qint32 teamCode) {
    RiderStore::Rider rider;
    rider.RiderNumber = boxes[0]->text();
    rider.FirstName = boxes[1]->text();
    rider.LastName = boxes[2]->text();
    rider.Address = boxes[3]->text();
    rider.City = boxes[4]->text();
    rider.Zip = boxes[5]->text();
    rider.TeamCode = teamCode;
    return rider;
}

bool save(const std::function<void()>& store) {
    return Controls::guarded(store, {QString(), kDuplicateNumber});
}

} // namespace RiderForms
