#include "barcode/CountsToModules.h"

#include "barcode/BarcodeError.h"

namespace barcode {

std::string countsToModules(std::string_view widths) {
    std::string modules(widths.size(), '0');
    for (std::size_t i = 0; i < widths.size(); ++i) {
        const char d = widths[i];
        if (d < '1' || d > '4') throw BarcodeError(std::string(kGeneratorClassName) + ": internal Error");
        const char base = i % 2 == 0 ? '5' : '0';  // bars first, then alternating
        modules[i] = static_cast<char>(base + (d - '1'));
    }
    return modules;
}

}  // namespace barcode
