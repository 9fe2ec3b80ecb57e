// Encoders of the 2 of 5 kinds, MSI, PostNet and Codabar (contract: barcode/Encoders.h).
#pragma once

#include <string>

namespace barcode {

class BarcodeGenerator;

std::string encodeInterleaved2of5(BarcodeGenerator& generator);
std::string EncodeIndustrial2of5(BarcodeGenerator& generator);
std::string EncodeMatrix2of5(BarcodeGenerator& generator);
std::string EncodeMSI(BarcodeGenerator& generator);
std::string EncodePostNet(BarcodeGenerator& generator);
std::string EncodeCodabar(BarcodeGenerator& generator);

}  // namespace barcode
