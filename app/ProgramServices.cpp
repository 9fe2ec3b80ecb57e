#include "app/ProgramServices.h"

#include <memory>

#include "barcode_object/BarcodeRegistration.h"
#include "printer/qt/QtPrinterBackend.h"

namespace app {

namespace {

std::unique_ptr<printer::PrinterBackend> backendFor(PrinterSource printers) {
    if (printers == PrinterSource::Spooler) return std::make_unique<printer::qt::QtPrinterBackend>();
    return nullptr;
}

}  // namespace

ProgramServices::ProgramServices(PrinterSource printers) : printer_(backendFor(printers)) {
    // Every page sent to a printer moves by that printer's calibration.
    if (printers == PrinterSource::Spooler) printer().setOffsetSource(&offsets_);
    barcode_object::registerBarCodeObject();
}

preparation::ReportServices ProgramServices::reportServices() {
    preparation::ReportServices services;
    services.printer = &printer();
    services.imageCodec = &codec_;
    return services;
}

}  // namespace app
