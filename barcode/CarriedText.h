// Which characters of a text a symbology's bars can carry. Encoders leave out what their
// alphabet lacks, so a label could show one text and scan as another; callers that take codes
// from an operator refuse such a text instead.
#pragma once

#include <optional>
#include <string>

#include "barcode/BarcodeType.h"

namespace barcode {

// The first character of `text` (a whole UTF-8 sequence) that the bars of `type` would not
// carry, or none when every character is carried.
std::optional<std::string> firstUncarriedCharacter(BarcodeType type, const std::string& text);

}  // namespace barcode
