#include "preparation/ReportPrinterLink.h"

#include <algorithm>

#include "printer/PrinterError.h"

namespace report {

bool ReportPrinterLink::hasPrinter(const std::string& name) const {
    if (name == preview::kVirtualPrinterStoredName) return true;
    const auto& names = printer_.printerNames();
    return std::find(names.begin(), names.end(), name) != names.end();
}

PaperSettings ReportPrinterLink::currentPaper() const {
    PaperSettings p;
    p.paperSize = printer_.paperSize();
    p.paperWidth = printer_.paperWidth();
    p.paperHeight = printer_.paperHeight();
    p.orientation = printer_.orientation();
    p.bin = printer_.bin();
    p.geometry = printer_.geometry().values();
    return p;
}

std::optional<PaperSettings> ReportPrinterLink::applyPaper(const PaperSettings& wanted) {
    try {
        printer_.setPaper(wanted.paperSize, wanted.paperWidth, wanted.paperHeight, wanted.bin,
                          wanted.orientation, false);
    } catch (const preview::PrinterError&) {
        return std::nullopt;
    }
    PaperSettings chosen = currentPaper();
    // The default bin is kept in the stored form pages use.
    if (preview::isDefaultBin(chosen.bin)) chosen.bin = 0xFFFF;
    return chosen;
}

}  // namespace report
