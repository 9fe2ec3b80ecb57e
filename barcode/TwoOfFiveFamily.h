// Encoders of the 2 of 5 kinds, MSI, PostNet and Codabar (contract: barcode/Encoders.h).
#pragma once

#include <string>

namespace barcode {

class TfrBarcode;

std::string EncodeInterleaved2of5(TfrBarcode& generator);
std::string EncodeIndustrial2of5(TfrBarcode& generator);
std::string EncodeMatrix2of5(TfrBarcode& generator);
std::string EncodeMSI(TfrBarcode& generator);
std::string EncodePostNet(TfrBarcode& generator);
std::string EncodeCodabar(TfrBarcode& generator);

}  // namespace barcode
