#include "prepared/PageStreamEntry.h"

#include "report/StreamText.h"

namespace prepared {

void writePageStreamEntry(platform::ByteWriter& out, report::View& object) {
    out.u8(object.objectType());
    if (object.objectType() == report::kAddInObject) report::writeString(out, object.className());
    // The printing record carries the working lines; an object loaded from a page holds its
    // text in memo, so copy it across first.
    object.workingLines = object.memo;
    object.prepared = true;
    object.saveToStream(out);
    object.prepared = false;
}

}  // namespace prepared
