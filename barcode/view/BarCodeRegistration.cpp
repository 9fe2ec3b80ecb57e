#include "barcode/view/BarCodeRegistration.h"

#include <memory>

#include "barcode/view/TfrBarCodeView.h"
#include "report/ObjectRegistry.h"

namespace barcode {

void registerBarCodeObject() {
    if (report::isAddInRegistered(kBarCodeViewClassName)) return;
    report::registerAddIn(kBarCodeViewClassName, [] { return std::make_unique<TfrBarCodeView>(); });
}

}  // namespace barcode
