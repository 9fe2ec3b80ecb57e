// Code 39 and its full-ASCII form (contract: barcode/Encoders.h).
#pragma once

#include <string>

namespace barcode {

class BarcodeGenerator;

std::string encodeCode39(BarcodeGenerator& generator);
std::string encodeCode39Extended(BarcodeGenerator& generator);

}  // namespace barcode
