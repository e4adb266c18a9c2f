#pragma once

#include "data/Outcome.h"

#include <QString>
#include <QtGlobal>

// The two district values kept in the user's settings, section "ProgramConst".
namespace DistrictSettings {

// The values as stored, or their defaults where absent.
struct Stored {
    QString districtNumber = QStringLiteral("NA");
    QString numberOfRings = QStringLiteral("2");
    // When the settings file cannot be read: a notice that says so and what the program does.
    // Its values are not used then, and the next write replaces it, keeping it beside its place.
    QString notice;
};
Stored read();

// Stores both values; a failure says why they could not be stored, and then nothing is
// changed.
Outcome write(const QString& districtNumber, const QString& numberOfRings);

// The most rings a district runs: the ring assignment form has room for no more.
inline constexpr int kMaxRings = 12;

// A stored ring count usable as NumRings: a whole number from 1 to kMaxRings.
bool parseStoredRings(const QString& text, qint16* rings);

// A ring count typed on the settings form: any number, rounded to the nearest whole
// number with halves to the even neighbour; false when it is not a number or does not
// come to a count from 1 to kMaxRings.
bool parseTypedRings(const QString& text, qint16* rings);

} // namespace DistrictSettings
