// The one rule every code follows on its way into the print list, whichever path it takes
// (a fill command, "Inserisci", a cell of the print-list grid, a code file, the command
// line): lower-case letters become upper case, and a code holding a character the label's
// bars cannot carry is refused. A label whose bars left out a character of its printed text
// would scan as another code.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "barcode/BarcodeType.h"

namespace labels {

// Where a code comes from, for the message that refuses it: a row of the print list, or a
// line of a code file when `file` is set.
struct CodeOrigin {
    std::size_t row = 0;  // 1-based
    std::string file = {};
};

// The symbology of the barcode on built-in label template n (1..4).
barcode::BarcodeType labelTemplateSymbology(int n);

// The code as the print list keeps it: its first 16 characters with lower-case letters made
// upper case. Throws AppError naming the origin, the code and its first character that the
// bars of template n cannot carry, when there is one.
std::string labelCode(std::string_view text, const CodeOrigin& origin, int templateNumber);

// Throws the same AppError when the bars of template n cannot carry every character of the
// code as it stands (a code already in the print list, checked before printing).
void refuseUncarriedCode(const std::string& code, const CodeOrigin& origin, int templateNumber);

}  // namespace labels
