// Turns a string of element widths '1'..'4' (bars and spaces alternating, starting with a
// bar) into module codes: odd positions become bars '5'..'8', even ones spaces '0'..'3'.
#pragma once

#include <string>
#include <string_view>

namespace barcode {

std::string countsToModules(std::string_view widths);

}  // namespace barcode
