#include "report/PrinterLink.h"

namespace report {
namespace {
PrinterLink* g_link = nullptr;
}

PrinterLink* defaultPrinterLink() {
    return g_link;
}
void setDefaultPrinterLink(PrinterLink* link) {
    g_link = link;
}

}  // namespace report
