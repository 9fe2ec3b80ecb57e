#include "report/SubReportView.h"

namespace report {

SubReportView::SubReportView() : View(kSubReportObject) {}

void SubReportView::readRecord(platform::ByteReader& in, int version, RecordKind kind) {
    View::readRecord(in, version, kind);
    subPage = in.i32();
}

void SubReportView::writeRecord(platform::ByteWriter& out, RecordKind kind,
                                const RecordFields& fields) const {
    View::writeRecord(out, kind, fields);
    out.i32(subPage);
}

}  // namespace report
