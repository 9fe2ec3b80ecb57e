#include "labels/Month.h"

#include "labels/AppError.h"

namespace labels {

int requireMonth(MonthIndex month) {
    if (!month || *month < 0 || *month >= static_cast<int>(kMonthNames.size()))
        throw AppError(kNoMonthMessage);
    return *month + 1;
}

std::string twoDigits(int value) {
    const int v = ((value % 100) + 100) % 100;
    return std::string{static_cast<char>('0' + v / 10), static_cast<char>('0' + v % 10)};
}

}  // namespace labels
