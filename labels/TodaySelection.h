// Start-up values of the year and month selectors, taken from today's date itself (not from
// its printed form, whose layout depends on the system's settings).
#pragma once

namespace labels {

struct YearMonthSelection {
    int year = 0;        // kept within 2001-2100, the year selector's range
    int monthIndex = 0;  // 0 for January up to 11
};

// The selection for a calendar date; month counts 1-12.
YearMonthSelection selectionForDate(int year, int month);

// The selection for today's local date.
YearMonthSelection todaysSelection();

}  // namespace labels
