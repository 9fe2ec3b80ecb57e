#include "labels/LabelTemplate.h"

#include <array>
#include <stdexcept>

#include "barcode_object/BarcodeRegistration.h"
#include "labels/LabelTemplateBuilder.h"
#include "report/Report.h"

namespace labels {

namespace {

std::vector<std::uint8_t> builtStream(int n) {
    report::Report report;
    buildLabelTemplate(report, labelTemplateLayout(n));
    return saveLabelTemplate(report);
}

}  // namespace

// Built once from the tables on first use; the same tables always give the same bytes.
const std::vector<std::uint8_t>& labelTemplateStream(int n) {
    if (n < 1 || n > kLabelTemplateCount) throw std::out_of_range("label template number");
    static const std::array<std::vector<std::uint8_t>, kLabelTemplateCount> streams = {
        builtStream(1), builtStream(2), builtStream(3), builtStream(4)};
    return streams[static_cast<std::size_t>(n - 1)];
}

bool loadLabelTemplate(report::Report& report, int n) {
    barcode_object::registerBarCodeObject();
    return report.loadFromStream(labelTemplateStream(n));
}

}  // namespace labels
