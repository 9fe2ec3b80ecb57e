#include "preparation/ReportPrinterLink.h"

#include <algorithm>

#include "printer/PrinterError.h"

namespace preparation {

bool ReportPrinterLink::hasPrinter(const std::string& name) const {
    if (name == printer::kVirtualPrinterStoredName) return true;
    const auto& names = printer_.printerNames();
    return std::find(names.begin(), names.end(), name) != names.end();
}

report::PaperSettings ReportPrinterLink::currentPaper() const {
    report::PaperSettings p;
    p.paperSize = printer_.paperSize();
    p.paperWidth = printer_.paperWidth();
    p.paperHeight = printer_.paperHeight();
    p.orientation = printer_.orientation();
    p.bin = printer_.bin();
    p.geometry = printer_.geometry().values();
    return p;
}

std::optional<report::PaperSettings> ReportPrinterLink::applyPaper(const report::PaperSettings& wanted) {
    try {
        printer_.setPaper(wanted.paperSize, wanted.paperWidth, wanted.paperHeight, wanted.bin,
                          wanted.orientation, false);
    } catch (const printer::PrinterError&) {
        return std::nullopt;
    }
    report::PaperSettings chosen = currentPaper();
    // The default bin is kept in the stored form pages use.
    if (printer::isDefaultBin(chosen.bin)) chosen.bin = 0xFFFF;
    return chosen;
}

}  // namespace preparation
