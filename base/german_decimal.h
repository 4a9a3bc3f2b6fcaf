#pragma once

#include <string>

// A double as German decimal text, as the settings store keeps placement values: decimal comma,
// no thousands separators, up to 15 significant digits, whole numbers without a decimal part
// (1500, 1234,5, -15). parseGermanNumber reads it back.
std::string formatGermanDecimal(double value);
