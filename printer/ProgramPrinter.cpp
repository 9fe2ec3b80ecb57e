#include "printer/ProgramPrinter.h"

#include "printer/NoPlatformPrinters.h"

namespace printer {

ProgramPrinter::ProgramPrinter(std::unique_ptr<PrinterBackend> backend)
    : backend_(backend ? std::move(backend) : std::make_unique<NoPlatformPrinters>()) {
    printer_.attachPrinter(backend_.get());
    defaultPaper_ = printer_.paperSize();
}

}  // namespace printer
