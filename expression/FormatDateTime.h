// Date-time arithmetic and the date/time picture format used by display formats and by the
// FORMATDATETIME function.
#pragma once

#include "expression/ExpressionValue.h"

#include <optional>
#include <string>
#include <string_view>

namespace expression {

struct CivilDateTime {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
    int dayOfWeek = 0;  // 0 Sunday .. 6 Saturday
};

CivilDateTime decodeDateTime(DateTime value);
// nullopt for an impossible date (month 13, 30 February, ...).
std::optional<DateTime> encodeDate(int year, int month, int day);
DateTime encodeTime(int hour, int minute, int second, int millisecond = 0);

// Picture format of dates: d dd ddd dddd ddddd dddddd, m mm mmm mmmm (m after h/hh is
// minutes), yy yyyy, h hh, n nn, s ss, z zzz, t tt, am/pm a/p, c, "/" ":" and quoted literals.
// Month and day names are Italian.
std::string formatDateTime(std::string_view format, DateTime value);
// "dd/mm/yyyy", followed by " hh:nn:ss" when there is a time of day.
std::string defaultDateTimeText(DateTime value);

// "d/m/y" (two-digit years are 2000-based below 50) and "h:n[:s]"; nullopt when not valid.
std::optional<DateTime> parseDate(std::string_view text);
std::optional<DateTime> parseTime(std::string_view text);

}  // namespace expression
