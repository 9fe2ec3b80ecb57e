// The services the program builds once and hands down to what needs them: the printer object
// (with the spooler's printers in the window, each moving its pages by that printer's
// calibration offsets; the virtual printer alone on the command line),
// the Qt decoder for bitmap and icon pictures, and the barcode report object's registration.
// Nothing below app/ keeps a process-wide pointer to any of them.
#pragma once

#include "app/QtImageCodec.h"
#include "preparation/ReportServices.h"
#include "printer/ProgramPrinter.h"
#include "printer/qt/PrinterOffsetSettings.h"

namespace app {

enum class PrinterSource { VirtualOnly, Spooler };

class ProgramServices {
public:
    explicit ProgramServices(PrinterSource printers);
    ProgramServices(const ProgramServices&) = delete;
    ProgramServices& operator=(const ProgramServices&) = delete;

    printer::Printer& printer() { return printer_.printer(); }
    QtImageCodec& imageCodec() { return codec_; }
    // The printer and the codec for reports and their pages; no progress window.
    preparation::ReportServices reportServices();

private:
    printer::qt::PrinterOffsetSettings offsets_;  // outlives the printer that reads it
    printer::ProgramPrinter printer_;
    QtImageCodec codec_;
};

}  // namespace app
