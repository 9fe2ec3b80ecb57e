// The printer link over the engine's printer object: template loading selects the stored
// printer and fits each page's paper through it. The program installs one over its printer
// at start-up (setDefaultPrinterLink); without it templates keep their stored paper.
#pragma once

#include "printer/Printer.h"
#include "report/PrinterLink.h"

namespace report {

class TfrPrinterLink : public PrinterLink {
public:
    explicit TfrPrinterLink(preview::TfrPrinter& printer) : printer_(printer) {}

    std::string currentPrinterName() const override { return printer_.CurrentPrinterName(); }
    bool isVirtualPrinter() const override { return printer_.IsVirtual(); }
    bool hasPrinter(const std::string& name) const override;
    void selectPrinter(const std::string& name) override { printer_.SelectPrinterByName(name); }
    std::optional<PaperSettings> applyPaper(const PaperSettings& wanted) override;
    PaperSettings defaultPaper() const override { return currentPaper(); }

private:
    PaperSettings currentPaper() const;
    preview::TfrPrinter& printer_;
};

}  // namespace report
