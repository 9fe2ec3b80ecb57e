// One "dd/mm/yyyy" label per day of a month.
#pragma once

#include <string>
#include <vector>

namespace labels {

// Days of month 1-12 of year, with the Gregorian leap-year rule for February.
int daysInMonth(int year, int month);

// The labels "01/mm/yyyy" to the month's last day, in day order.
std::vector<std::string> calendarLabels(int year, int month);

}  // namespace labels
