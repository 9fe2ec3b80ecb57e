// Code 39 and its full-ASCII form (contract: barcode/Encoders.h).
#pragma once

#include <string>

namespace barcode {

class TfrBarcode;

std::string EncodeCode39(TfrBarcode& generator);
std::string EncodeCode39Extended(TfrBarcode& generator);

}  // namespace barcode
