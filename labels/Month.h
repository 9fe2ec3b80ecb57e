// The month selector of the series and calendar commands: one of twelve items, or none when
// its text was typed over.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace labels {

// Item index 0 ("GENNAIO") to 11 ("DICEMBRE"); empty when no item is selected.
using MonthIndex = std::optional<int>;

inline constexpr std::array<const char*, 12> kMonthNames = {
    "GENNAIO", "FEBBRAIO", "MARZO",     "APRILE",  "MAGGIO",   "GIUGNO",
    "LUGLIO",  "AGOSTO",   "SETTEMBRE", "OTTOBRE", "NOVEMBRE", "DICEMBRE",
};

inline constexpr int kFirstYear = 2001;
inline constexpr int kLastYear = 2100;

// Shown instead of producing labels when no month is selected.
inline constexpr const char* kNoMonthMessage = "Selezionare un mese";

// The selected month as 1-12; throws AppError(kNoMonthMessage) when none or out of range.
int requireMonth(MonthIndex month);

// Two-digit text with a leading zero: 3 -> "03".
std::string twoDigits(int value);

}  // namespace labels
