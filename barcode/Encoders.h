// Dispatch from a symbology to its encoder.
//
// An encoder receives the generator after Encode has limited Ratio, set the module widths
// and (for digits-only symbologies) trimmed Text and checked that it holds only '0'..'9'.
// It reads Text, Checksum, CheckSumMethod and Typ, may rewrite Text with StoreText (never
// SetText: rewrites do not notify), and returns the pattern of module codes described in
// TfrBarcode.h. It reports failures by throwing BarcodeError with the user-facing message.
#pragma once

#include <string>

#include "barcode/BarcodeType.h"

namespace barcode {

class TfrBarcode;

using Encoder = std::string (*)(TfrBarcode& generator);

// The encoder of a symbology (indexed by its code); nullptr for a code outside 0..22.
Encoder encoderFor(TfrBarcodeType type);

}  // namespace barcode
