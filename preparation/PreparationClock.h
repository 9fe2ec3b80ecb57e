// The date and time a preparation run takes once at its start (DATE and TIME keep them).
#pragma once

#include "expression/ExpressionValue.h"

namespace preparation {

struct DateAndTime {
    expression::DateTime date;  // whole days
    expression::DateTime time;  // fraction of a day
};

DateAndTime localDateAndTimeNow();

}  // namespace preparation
