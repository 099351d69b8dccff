// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

// Numbers as the statistics write them. Independent of the user's locale, so that
// an exported file reads the same everywhere and parses as numbers.

namespace orvanta {

// With a comma between thousands: "1,234,567".
std::string FormatCount(std::int64_t count);

// With exactly `decimals` digits after the point: FormatFixed(27.027, 1) is "27.0".
std::string FormatFixed(double value, int decimals);

// The same with a comma between thousands, as counts are written beside it: "1,378.8".
std::string FormatGrouped(double value, int decimals);

// Always with its sign, two decimals: "+4.09", "-0.52".
std::string FormatSigned(double value);

// A probability to two significant digits in plain decimals: "0.69", "0.0050",
// "0.00014". Below a millionth: "< 0.000001", as no figure here is that exact.
std::string FormatProbability(double p);

// An e-value: two significant digits below 10 ("0.53", "7.4"), whole above
// ("37", "1,234"); from a million on "over 1,000,000", as no figure there changes
// what it says.
std::string FormatEvidence(double eValue);

// The shortest text that reads back as the same double: for files, not for people.
std::string FormatExact(double value);

}  // namespace orvanta
