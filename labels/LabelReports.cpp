#include "labels/LabelReports.h"

#include <stdexcept>
#include <string>

#include "labels/LabelTemplate.h"
#include "preparation/ReportPrinterLink.h"

namespace labels {

LabelReports::LabelReports(memtable::MemTable& printList, memtable::MemTable* fiscalCodes,
                           report::ErrorReporter& errors, const preparation::ReportServices& services)
    : services_(services), printListAccess_(printList), dataset_(kLabelDatasetName) {
    if (services.printer) printerLink_ = std::make_unique<preparation::ReportPrinterLink>(*services.printer);
    dataset_.setDataset(&printListAccess_);
    components_.add<memtable::MemTable>(kPrintListName, &printList);
    if (fiscalCodes) components_.add<memtable::MemTable>(kFiscalCodeListName, fiscalCodes);
    // Registered as a report dataset: bands look their data source up as one.
    components_.add<report::Dataset>(kLabelDatasetName, &dataset_);
    for (int kind = 1; kind <= kReportCount; ++kind) {
        Slot& s = slots_[static_cast<std::size_t>(kind - 1)];
        s.report = std::make_unique<report::Report>();
        s.report->name = "frReport" + std::to_string(kind);
        s.report->components = &components_;
        s.report->errors = &errors;
        s.report->datasetName = kLabelDatasetName;
        s.report->printer = printerLink_.get();
        loadLabelTemplate(*s.report, kind);
        s.pages = std::make_unique<prepared::PreparedPages>(s.report.get(), services.printer);
        s.pages->imageCodec = services.imageCodec;
    }
}

LabelReports::~LabelReports() = default;

LabelReports::Slot& LabelReports::slot(int kind) {
    if (kind < 1 || kind > kReportCount) throw std::out_of_range("no label report " + std::to_string(kind));
    return slots_[static_cast<std::size_t>(kind - 1)];
}

report::Report& LabelReports::report(int kind) {
    return *slot(kind).report;
}
prepared::PreparedPages& LabelReports::pages(int kind) {
    return *slot(kind).pages;
}

bool LabelReports::prepare(int kind, const preparation::PrepareOptions& options) {
    Slot& s = slot(kind);
    return preparation::prepare(*s.report, *s.pages, withServices(options));
}

bool LabelReports::prepareAndShow(int kind, preparation::PreparedPagesViewer* viewer,
                                  const preparation::PrepareOptions& options) {
    Slot& s = slot(kind);
    return preparation::prepareAndShow(*s.report, *s.pages, viewer, withServices(options));
}

preparation::PrepareOptions LabelReports::withServices(preparation::PrepareOptions options) const {
    if (!options.progressDisplay) options.progressDisplay = services_.progressDisplay;
    return options;
}

}  // namespace labels
