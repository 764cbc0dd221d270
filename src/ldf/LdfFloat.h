#pragma once

#include <string>

// A float as the writer prints it: two decimals when that text reads back as
// the same 32-bit float, else the shortest plain decimal (no exponent) that
// does. Independent of the C locale.
std::string FormatLdfFloat(float value);
// The same for a number kept at double precision.
std::string FormatLdfFloat(double value);

// A number as the shortest plain decimal (no exponent) that reads back as the
// same double: "50" for 50, "12.5" for 12.5. Independent of the C locale.
std::string FormatShortestNumber(double value);
