// SubReportView: prints another page of the report in its place.
#pragma once

#include "report/View.h"

namespace report {

// Class name stored in template and prepared-report streams; never changes.
inline constexpr const char* kSubReportViewClassName = "TfrSubReportView";

class SubReportView : public View {
public:
    SubReportView();
    std::string className() const override { return kSubReportViewClassName; }
    std::string baseName() const override { return "SubReport"; }

    int subPage = 0;  // index of the page printed here

    void readRecord(platform::ByteReader& in, int version, RecordKind kind) override;
    void writeRecord(platform::ByteWriter& out, RecordKind kind, const RecordFields& fields) const override;
};

}  // namespace report
