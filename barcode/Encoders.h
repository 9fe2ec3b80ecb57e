// Dispatch from a symbology to its encoder.
//
// An encoder receives the generator after encode has limited ratio, set the module widths
// and (for digits-only symbologies) trimmed Text and checked that it holds only '0'..'9'.
// It reads Text, checksum, CheckSumMethod and type, may rewrite Text with storeText (never
// setText: rewrites do not notify), and returns the pattern of module codes described in
// BarcodeGenerator.h. It reports failures by throwing BarcodeError with the user-facing message.
#pragma once

#include <string>

#include "barcode/BarcodeType.h"

namespace barcode {

class BarcodeGenerator;

using Encoder = std::string (*)(BarcodeGenerator& generator);

// The encoder of a symbology (indexed by its code); nullptr for a code outside 0..22.
Encoder encoderFor(BarcodeType type);

}  // namespace barcode
