#include "printer/NoPlatformPrinters.h"

#include "printer/PrinterError.h"

namespace printer {

std::unique_ptr<PrintJob> NoPlatformPrinters::startJob(const std::string&, int) {
    throw PrinterError("Nessuna stampante installata");
}

}  // namespace printer
