#pragma once

#include <array>

// The most characters each kind of text takes: enough for what it holds. The text boxes and the
// rider import hold to the same numbers.
namespace Limit {
inline constexpr int kNumber = 20; // rider and district numbers
inline constexpr int kName = 50;   // first, last, team and city names
inline constexpr int kAddress = 100;
inline constexpr int kZip = 15;
inline constexpr int kPhone = 30;
inline constexpr int kEmail = 254;
inline constexpr int kSearch = 100;
// A rider's fields in the order the rider forms and a roster hold them: rider number, first
// name, last name, address, city, zip.
inline constexpr std::array<int, 6> kRider = {kNumber, kName, kName, kAddress, kName, kZip};
} // namespace Limit
