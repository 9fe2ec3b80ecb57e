// Numbered prescription codes for one month: YY MM nnnnn c, plus one closing code.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace labels {

// The three series lengths of the "53" / "107" / "161" selector, by item index.
enum class SeriesLength { Short = 53, Medium = 107, Long = 161 };

// Closing code: "999" followed by the year's last two digits ("999mm"), or "99999".
enum class ClosingKind { YearBased, AllNines };

// Check digit over the leading digits of a code: their digit sum reduced to one digit, with
// 9 written as 0 (the sum modulo 9). Characters other than '0'-'9' are not counted.
char seriesCheckDigit(std::string_view digits);

// The closing code for a year in 2001-2100.
std::string seriesClosingCode(int year, ClosingKind kind);

// The N codes of year (2001-2100) and month (1-12) in serial order, then the closing code.
std::vector<std::string> prescriptionSeries(int year, int month, SeriesLength length, ClosingKind closing);

}  // namespace labels
