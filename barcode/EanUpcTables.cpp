// Digit, parity and expansion tables of EAN and UPC (ISO/IEC 15420).
#include "barcode/EanUpcFamily.h"

namespace barcode {

// Element widths 3-2-1-1 for digit 0 and so on: width w is module code '0'+w-1 for a space,
// '5'+w-1 for a bar.
const std::array<std::string_view, 10> kEanLCodes = {
    "2605", "1615", "1516", "0805", "0526", "0625", "0508", "0706", "0607", "2506",
};
const std::array<std::string_view, 10> kEanGCodes = {
    "0517", "0616", "1606", "0535", "1705", "0715", "3505", "1525", "2515", "1507",
};
const std::array<std::string_view, 10> kEanRCodes = {
    "7150", "6160", "6061", "5350", "5071", "5170", "5053", "5251", "5152", "7051",
};

const std::array<std::string_view, 10> kEan13FirstDigitParity = {
    "LLLLLL", "LLGLGG", "LLGGLG", "LLGGGL", "LGLLGG", "LGGLLG", "LGGGLL", "LGLGLG", "LGLGGL", "LGGLGL",
};

const std::array<std::string_view, 10> kUpcEParity = {
    "EEEOOO", "EEOEOO", "EEOOEO", "EEOOOE", "EOEEOO", "EOOEEO", "EOOOEE", "EOEOEO", "EOEOOE", "EOOEOE",
};

const std::array<std::string_view, 10> kAddOn5Parity = {
    "GGLLL", "GLGLL", "GLLGL", "GLLLG", "LGGLL", "LLGGL", "LLLGG", "LGLGL", "LGLLG", "LLGLG",
};

const std::array<std::string_view, 10> kUpcEExpansion = {
    "N1260000345", "N1260000345", "N1260000345", "N1230000045", "N1234000005",
    "N1234500006", "N1234500006", "N1234500006", "N1234500006", "N1234500006",
};

}  // namespace barcode
