#include "labels/TodaySelection.h"

#include <algorithm>
#include <ctime>

#include "labels/Month.h"

namespace labels {

YearMonthSelection selectionForDate(int year, int month) {
    return {std::clamp(year, kFirstYear, kLastYear), std::clamp(month, 1, 12) - 1};
}

YearMonthSelection todaysSelection() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) return selectionForDate(kFirstYear, 1);
    return selectionForDate(local.tm_year + 1900, local.tm_mon + 1);
}

}  // namespace labels
