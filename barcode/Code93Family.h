// Code 93 and its full-ASCII form (contract: barcode/Encoders.h).
#pragma once

#include <string>

namespace barcode {

class BarcodeGenerator;

std::string encodeCode93(BarcodeGenerator& generator);
std::string encodeCode93Extended(BarcodeGenerator& generator);

}  // namespace barcode
