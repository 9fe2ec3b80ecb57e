// The date and time a preparation run takes once at its start (DATE and TIME keep them).
#pragma once

#include "report/ExpressionValue.h"

namespace report {

struct DateAndTime {
    DateTime date;  // whole days
    DateTime time;  // fraction of a day
};

DateAndTime localDateAndTimeNow();

}  // namespace report
