// The main window's four label reports frReport1..frReport4 over the print list kb1: the
// components they find by name (kb1, kb2, the dataset adaptor frDBDataSet1), each report's
// built-in template and its prepared pages. The window and the command line create one with
// the print list and prepare the report the current ReportKind names.
#pragma once

#include <array>
#include <memory>

#include "memtable/MemTable.h"
#include "preparation/Prepare.h"
#include "preparation/ReportServices.h"
#include "prepared/PreparedPages.h"
#include "report/ComponentRegistry.h"
#include "report/DatasetDB.h"
#include "report/DatasetMemTable.h"
#include "report/ErrorReporter.h"
#include "report/Report.h"

namespace labels {

inline constexpr const char* kPrintListName = "kb1";
inline constexpr const char* kFiscalCodeListName = "kb2";
inline constexpr const char* kLabelDatasetName = "frDBDataSet1";

class LabelReports {
public:
    // Both tables are borrowed; the fiscal-code list is optional. Template load errors and
    // preparation errors go to `errors`. The reports load, prepare and draw through the
    // program's services (borrowed); without a printer they keep their stored paper.
    LabelReports(memtable::MemTable& printList, memtable::MemTable* fiscalCodes,
                 report::ErrorReporter& errors, const preparation::ReportServices& services = {});
    ~LabelReports();
    LabelReports(const LabelReports&) = delete;
    LabelReports& operator=(const LabelReports&) = delete;

    static constexpr int kReportCount = 4;

    // Report `kind` (1..4); std::out_of_range for any other kind.
    report::Report& report(int kind);
    prepared::PreparedPages& pages(int kind);
    report::DBDataset& dataset() { return dataset_; }

    // Prepares report `kind` into its pages; false after an error or a cancel.
    bool prepare(int kind, const preparation::PrepareOptions& options = {});
    bool prepareAndShow(int kind, preparation::PreparedPagesViewer* viewer,
                        const preparation::PrepareOptions& options = {});

private:
    struct Slot {
        std::unique_ptr<report::Report> report;
        std::unique_ptr<prepared::PreparedPages> pages;
    };
    Slot& slot(int kind);
    // The options with the services' progress window when they name none.
    preparation::PrepareOptions withServices(preparation::PrepareOptions options) const;

    preparation::ReportServices services_;
    std::unique_ptr<report::PrinterLink> printerLink_;

    report::MemTableDataset printListAccess_;
    report::DBDataset dataset_;
    report::ComponentRegistry components_;
    std::array<Slot, kReportCount> slots_;
};

}  // namespace labels
