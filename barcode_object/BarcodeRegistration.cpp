#include "barcode_object/BarcodeRegistration.h"

#include <memory>

#include "barcode_object/BarcodeObject.h"
#include "report/ObjectRegistry.h"

namespace barcode_object {

void registerBarCodeObject() {
    if (report::isAddInRegistered(kBarCodeViewClassName)) return;
    report::registerAddIn(kBarCodeViewClassName, [] { return std::make_unique<BarcodeObject>(); });
}

}  // namespace barcode_object
