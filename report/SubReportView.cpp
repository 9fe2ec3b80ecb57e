#include "report/SubReportView.h"

namespace report {

TfrSubReportView::TfrSubReportView() : TfrView(kSubReportObject) {}

void TfrSubReportView::loadFromStream(ByteReader& in, int version) {
    TfrView::loadFromStream(in, version);
    subPage = in.i32();
}

void TfrSubReportView::saveToStream(ByteWriter& out) const {
    TfrView::saveToStream(out);
    out.i32(subPage);
}

}  // namespace report
