// Encoders of EAN-8, EAN-13, UPC-A, UPC-E and the 2- and 5-digit add-ons
// (contract: barcode/Encoders.h). UPC-E serves both UPC_E0 and UPC_E1.
#pragma once

#include <string>

namespace barcode {

class TfrBarcode;

std::string EncodeEAN8(TfrBarcode& generator);
std::string EncodeEAN13(TfrBarcode& generator);
std::string EncodeUPCA(TfrBarcode& generator);
std::string EncodeUPCE(TfrBarcode& generator);
std::string EncodeAddOn2(TfrBarcode& generator);
std::string EncodeAddOn5(TfrBarcode& generator);

}  // namespace barcode
