#include "labels/CalendarLabels.h"

#include <array>

#include "labels/Month.h"

namespace labels {

namespace {

constexpr std::array<int, 12> kDaysPerMonth = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

}  // namespace

int daysInMonth(int year, int month) {
    if (month == 2 && isLeapYear(year)) return 29;
    return kDaysPerMonth.at(static_cast<std::size_t>(month - 1));
}

std::vector<std::string> calendarLabels(int year, int month) {
    const std::string suffix = "/" + twoDigits(month) + "/" + std::to_string(year);
    std::vector<std::string> labels;
    const int days = daysInMonth(year, month);
    for (int day = 1; day <= days; ++day) labels.push_back(twoDigits(day) + suffix);
    return labels;
}

}  // namespace labels
