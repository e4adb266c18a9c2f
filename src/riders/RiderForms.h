#pragma once

#include "forms/Controls.h"
#include "riders/RiderStore.h"
#include "teams/TeamStore.h"

#include <QString>
#include <QVector>
#include <array>
#include <functional>

class QComboBox;
class QLineEdit;

// What the rider entry and rider edit forms share: their messages and their save rules.
namespace RiderForms {

// Shown beside the city; a fixed abbreviation, never stored.
inline const QString kStateCode = QStringLiteral("VA");

inline const QString kDuplicateNumber = QStringLiteral("The current rider number already exists.");
inline const QString kNoTeam = QStringLiteral("A team must be selected in the Team box");
inline const QString kNoNumber =
    QStringLiteral("A rider number must be entered in the Rider's Number box.");

// The six boxes of a rider form: rider number, first name, last name, address, city, zip.
using Boxes = std::array<QLineEdit*, 6>;
inline constexpr std::array<int, 6> kBoxLimits = Controls::Limit::kRider;

// Fills `list` with the team names, in the order of `teams`; nothing is chosen. Returns
// false (after telling the user) when the teams could not be read.
bool fillTeams(QComboBox* list, QVector<TeamStore::Team>* teams);

// The team at the chosen list position, or a notice and false when none is chosen.
bool chosenTeam(const QComboBox* list, const QVector<TeamStore::Team>& teams, qint32* teamCode);

// A rider number must hold more than blanks; otherwise a notice and false.
bool numberTyped(const QLineEdit* numberBox);

// The rider as typed, exactly (no trimming, no change of case).
RiderStore::Rider typedRider(const Boxes& boxes, qint32 teamCode);

// Runs a rider save. A number another rider already has gets the duplicate message; any
// other failure is reported with the database's reason. True when the rider was stored.
bool save(const std::function<void()>& store);

} // namespace RiderForms
