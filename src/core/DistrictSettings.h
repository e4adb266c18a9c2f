#pragma once

#include <QString>
#include <QtGlobal>

// The two district values kept in the user's settings, section "ProgramConst".
namespace DistrictSettings {

// "DistrictNumber", "NA" when absent.
QString readDistrictNumber();
// "NumberofRings" as stored, "2" when absent.
QString readNumberOfRings();
// Stores both values ("DistrictNumber" first); returns an empty text, or a message saying
// why they could not be stored.
QString write(const QString& districtNumber, const QString& numberOfRings);

// The most rings a district runs: the ring assignment form has room for no more.
inline constexpr int kMaxRings = 12;

// A stored ring count usable as NumRings: a whole number from 1 to kMaxRings.
bool parseStoredRings(const QString& text, qint16* rings);

// A ring count typed on the settings form: any number, rounded to the nearest whole
// number with halves to the even neighbour; false when it is not a number or does not
// come to a count from 1 to kMaxRings.
bool parseTypedRings(const QString& text, qint16* rings);

} // namespace DistrictSettings
