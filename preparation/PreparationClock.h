// The date and time a preparation run takes once at its start (DATE and TIME keep them).
#pragma once

#include "report/ExpressionValue.h"

namespace preparation {

struct DateAndTime {
    report::DateTime date;  // whole days
    report::DateTime time;  // fraction of a day
};

DateAndTime localDateAndTimeNow();

}  // namespace preparation
