#include "printer/ProgramPrinter.h"

#include "printer/NoPlatformPrinters.h"
#include "printer/PaperTable.h"

namespace preview {

namespace {

struct ProgramPrinterState {
    std::unique_ptr<PrinterBackend> backend;
    Printer printer;
    int defaultPaper = kDefaultPaper;
    bool started = false;
};

ProgramPrinterState& state() {
    static ProgramPrinterState s;
    return s;
}

}  // namespace

void startProgramPrinter(std::unique_ptr<PrinterBackend> backend) {
    ProgramPrinterState& s = state();
    // Attach the new backend before the old one is freed: the printer must never point at a
    // destroyed backend.
    if (!backend) backend = std::make_unique<NoPlatformPrinters>();
    s.printer.attachPrinter(backend.get());
    s.backend = std::move(backend);
    s.defaultPaper = s.printer.paperSize();
    s.started = true;
}

Printer& programPrinter() {
    if (!state().started) startProgramPrinter(nullptr);
    return state().printer;
}

int defaultPaperCode() {
    programPrinter();
    return state().defaultPaper;
}

}  // namespace preview
