// Encoders of the 2 of 5 kinds, MSI, PostNet and Codabar (contract: barcode/Encoders.h).
#pragma once

#include <string>

namespace barcode {

class BarcodeGenerator;

std::string encodeInterleaved2of5(BarcodeGenerator& generator);
std::string encodeIndustrial2of5(BarcodeGenerator& generator);
std::string encodeMatrix2of5(BarcodeGenerator& generator);
std::string encodeMSI(BarcodeGenerator& generator);
std::string encodePostNet(BarcodeGenerator& generator);
std::string encodeCodabar(BarcodeGenerator& generator);

}  // namespace barcode
