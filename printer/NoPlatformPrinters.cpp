#include "printer/NoPlatformPrinters.h"

#include "printer/PrinterError.h"

namespace printer {

namespace {
[[noreturn]] void noPrinter() {
    throw PrinterError("Nessuna stampante installata");
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

}  // namespace printer
