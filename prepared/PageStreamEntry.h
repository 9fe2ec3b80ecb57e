// One object entry of a prepared page's stream: type byte, class name for add-ins, then the
// object's printing record written from its memo lines.
#pragma once

#include "platform/ByteWriter.h"
#include "report/View.h"

namespace prepared {

void writePageStreamEntry(platform::ByteWriter& out, const report::View& object);

}  // namespace prepared
