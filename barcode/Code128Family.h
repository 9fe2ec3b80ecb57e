// Code 128 sets A, B and C and their EAN-128 forms, chosen by Typ
// (contract: barcode/Encoders.h).
#pragma once

#include <string>

namespace barcode {

class TfrBarcode;

std::string EncodeCode128(TfrBarcode& generator);

}  // namespace barcode
