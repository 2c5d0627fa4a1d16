// How amounts and rates are shown: whole amounts with thousands
// separators, real values with at most two decimals and no trailing zeros.
#pragma once

#include <string>

// Inserts "," before the last three digits and before the three before
// them, and no further: "1234567" gives "1,234,567" and "1234567890" gives
// "1234,567,890". A leading "-" is set aside and put back in front.
std::string FormatThousands(const std::string& digits);
std::string FormatThousands(long long value);

// "%.2f" without its trailing zeros: 5 gives "5", 5.5 gives "5.5", 5.25
// gives "5.25".
std::string FormatTwoDecimals(double value);
