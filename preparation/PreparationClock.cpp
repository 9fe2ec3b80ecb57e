#include "preparation/PreparationClock.h"

#include <chrono>
#include <ctime>

#include "expression/FormatDateTime.h"

namespace preparation {

DateAndTime localDateAndTimeNow() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    DateAndTime result;
    result.date = expression::encodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday)
                      .value_or(expression::DateTime{});
    result.time = expression::encodeTime(local.tm_hour, local.tm_min, local.tm_sec, static_cast<int>(millis));
    return result;
}

}  // namespace preparation
