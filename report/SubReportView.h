// TfrSubReportView: prints another page of the report in its place.
#pragma once

#include "report/View.h"

namespace report {

class TfrSubReportView : public TfrView {
public:
    TfrSubReportView();
    std::string className() const override { return "TfrSubReportView"; }
    std::string baseName() const override { return "SubReport"; }

    int subPage = 0;  // index of the page printed here

    void loadFromStream(ByteReader& in, int version) override;
    void saveToStream(ByteWriter& out) const override;
};

}  // namespace report
