#include "app/ProgramStart.h"

#include <memory>

#include "app/QtImageCodec.h"
#include "barcode_object/BarcodeRegistration.h"
#include "preparation/ReportPrinterLink.h"
#include "printer/ProgramPrinter.h"
#include "printer/qt/PrinterOffsetSettings.h"
#include "printer/qt/QtPrinterBackend.h"
#include "report/PrinterLink.h"

namespace app {

void startProgram(PrinterSource printers) {
    static bool started = false;
    if (started) return;
    started = true;
    if (printers == PrinterSource::Spooler) {
        preview::startProgramPrinter(std::make_unique<platform::qt::QtPrinterBackend>());
        // Every page sent to a printer moves by that printer's calibration.
        static platform::qt::PrinterOffsetSettings offsets;
        preview::programPrinter().setOffsetSource(&offsets);
    }
    static report::ReportPrinterLink printerLink(preview::programPrinter());
    report::setDefaultPrinterLink(&printerLink);
    static QtImageCodec codec;
    report::setImageCodec(&codec);
    barcode::registerBarCodeObject();
}

}  // namespace app
