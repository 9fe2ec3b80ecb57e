#include "app/ProgramStart.h"

#include <memory>

#include "app/QtImageCodec.h"
#include "barcode/view/BarCodeRegistration.h"
#include "platform/qt/QtPrinterBackend.h"
#include "preview/printer/ProgramPrinter.h"
#include "report/PrinterLink.h"
#include "report/TfrPrinterLink.h"

namespace app {

void startProgram(PrinterSource printers) {
    static bool started = false;
    if (started) return;
    started = true;
    if (printers == PrinterSource::Spooler)
        preview::startProgramPrinter(std::make_unique<platform::qt::QtPrinterBackend>());
    static report::TfrPrinterLink printerLink(preview::programPrinter());
    report::setDefaultPrinterLink(&printerLink);
    static QtImageCodec codec;
    report::setImageCodec(&codec);
    barcode::registerBarCodeObject();
}

}  // namespace app
