#include "prepared/PageStreamEntry.h"

namespace prepared {

void writePageStreamEntry(platform::ByteWriter& out, const report::View& object) {
    // An object loaded from a page holds its printed lines in memo.
    object.writePrintedRecord(out, object.ownFields());
}

}  // namespace prepared
