// Code 128 sets A, B and C and their EAN-128 forms, chosen by type
// (contract: barcode/Encoders.h).
#pragma once

#include <string>

namespace barcode {

class BarcodeGenerator;

std::string encodeCode128(BarcodeGenerator& generator);

}  // namespace barcode
