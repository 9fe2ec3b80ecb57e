#include "report/SubReportView.h"

namespace report {

SubReportView::SubReportView() : View(kSubReportObject) {}

void SubReportView::loadFromStream(platform::ByteReader& in, int version) {
    View::loadFromStream(in, version);
    subPage = in.i32();
}

void SubReportView::saveToStream(platform::ByteWriter& out) const {
    View::saveToStream(out);
    out.i32(subPage);
}

}  // namespace report
