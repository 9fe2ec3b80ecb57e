// Codes a label template cannot print as they read: a label whose bars leave out characters
// of its printed text would scan as another code, so such a code is refused before it reaches
// the print list.
#pragma once

#include <string>

#include "barcode/BarcodeType.h"

namespace labels {

// The symbology of the barcode on built-in label template n (1..4).
barcode::BarcodeType labelTemplateSymbology(int n);

// Throws AppError, naming the code and its first character that the bars of template n cannot
// carry, when there is one.
void refuseUncarriedCode(const std::string& code, int templateNumber);

}  // namespace labels
