#include "preparation/ReportPrinterLink.h"

#include <algorithm>

#include "printer/PrinterError.h"

namespace report {

bool TfrPrinterLink::hasPrinter(const std::string& name) const {
    if (name == preview::kVirtualPrinterStoredName) return true;
    const auto& names = printer_.PrinterNames();
    return std::find(names.begin(), names.end(), name) != names.end();
}

PaperSettings TfrPrinterLink::currentPaper() const {
    PaperSettings p;
    p.paperSize = printer_.PaperSize();
    p.paperWidth = printer_.PaperWidth();
    p.paperHeight = printer_.PaperHeight();
    p.orientation = printer_.Orientation();
    p.bin = printer_.Bin();
    p.geometry = printer_.geometry().values();
    return p;
}

std::optional<PaperSettings> TfrPrinterLink::applyPaper(const PaperSettings& wanted) {
    try {
        printer_.SetPaper(wanted.paperSize, wanted.paperWidth, wanted.paperHeight, wanted.bin, wanted.orientation,
                          false);
    } catch (const preview::PrinterError&) {
        return std::nullopt;
    }
    PaperSettings chosen = currentPaper();
    // The default bin is kept in the stored form pages use.
    if (preview::isDefaultBin(chosen.bin)) chosen.bin = 0xFFFF;
    return chosen;
}

}  // namespace report
