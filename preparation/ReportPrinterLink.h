// The printer link over the engine's printer object: template loading selects the stored
// printer and fits each page's paper through it. Whoever owns a report gives it one over the
// program's printer; a report without one keeps its stored paper.
#pragma once

#include "printer/Printer.h"
#include "report/PrinterLink.h"

namespace preparation {

class ReportPrinterLink : public report::PrinterLink {
public:
    explicit ReportPrinterLink(printer::Printer& printer) : printer_(printer) {}

    std::string currentPrinterName() const override { return printer_.currentPrinterName(); }
    bool isVirtualPrinter() const override { return printer_.isVirtual(); }
    bool hasPrinter(const std::string& name) const override;
    void selectPrinter(const std::string& name) override { printer_.selectPrinterByName(name); }
    std::optional<report::PaperSettings> applyPaper(const report::PaperSettings& wanted) override;
    report::PaperSettings defaultPaper() const override { return currentPaper(); }

private:
    report::PaperSettings currentPaper() const;
    printer::Printer& printer_;
};

}  // namespace preparation
