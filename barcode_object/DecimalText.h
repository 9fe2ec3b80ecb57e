// Whether a text reads as a decimal number: digits-only symbologies take only such texts.
#pragma once

#include <string_view>

namespace barcode_object {

// Optional leading blanks, an optional sign, digits with an optional fraction after '.', and
// an optional exponent ('E' or 'e', optional sign, digits), with nothing after it.
bool readsAsDecimalNumber(std::string_view text);

}  // namespace barcode_object
