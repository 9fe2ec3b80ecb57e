#include "preview/printer/PrinterTexts.h"

namespace preview {

// Paper and bin names have no stored texts; only the virtual printer's name exists.
std::string printerText(int id) {
    if (id == kVirtualPrinterText) return "Stampante virtuale";
    return {};
}

}  // namespace preview
