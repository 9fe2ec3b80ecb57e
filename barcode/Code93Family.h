// Code 93 and its full-ASCII form (contract: barcode/Encoders.h).
#pragma once

#include <string>

namespace barcode {

class TfrBarcode;

std::string EncodeCode93(TfrBarcode& generator);
std::string EncodeCode93Extended(TfrBarcode& generator);

}  // namespace barcode
