#include "printer/NoPlatformPrinters.h"

#include "printer/PrinterError.h"

namespace preview {

namespace {
[[noreturn]] void noPrinter() {
    throw PrinterError("No printers are installed");
}
}  // namespace

void NoPlatformPrinters::beginJob(const std::string&, int) {
    noPrinter();
}
void NoPlatformPrinters::newPage() {
    noPrinter();
}
void NoPlatformPrinters::endJob() {
    noPrinter();
}

}  // namespace preview
