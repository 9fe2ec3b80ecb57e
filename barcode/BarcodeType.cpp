#include "barcode/BarcodeType.h"

#include <cctype>

namespace barcode {

const std::array<SymbologyData, kBarcodeTypeCount> symbologyTable = {{
    {"2_5_interleaved", true},   //  0
    {"2_5_industrial", true},    //  1
    {"2_5_matrix", true},        //  2
    {"Code39", false},           //  3
    {"Code39 Extended", false},  //  4
    {"Code128A", false},         //  5
    {"Code128B", false},         //  6
    {"Code128C", true},          //  7
    {"Code93", false},           //  8
    {"Code93 Extended", false},  //  9
    {"MSI", true},               // 10
    {"PostNet", true},           // 11
    {"Codebar", false},          // 12
    {"EAN8", true},              // 13
    {"EAN13", true},             // 14
    {"UPC_A", true},             // 15
    {"UPC_E0", true},            // 16
    {"UPC_E1", true},            // 17
    {"UPC Supp2", true},         // 18
    {"UPC Supp5", true},         // 19
    {"EAN128A", false},          // 20
    {"EAN128B", false},          // 21
    {"EAN128C", true},           // 22
}};

std::optional<RatioLimit> ratioLimitOf(BarcodeType type) {
    switch (type) {
        case bcCode_2_5_matrix:
            return RatioLimit{2.25, 3.0};
        case bcCode_2_5_interleaved:
        case bcCode_2_5_industrial:
        case bcCode39:
        case bcCode39Extended:
        case bcCodeCodabar:
        case bcCodeEAN8:
        case bcCodeEAN13:
        case bcCodeUPC_A:
        case bcCodeUPC_E0:
        case bcCodeUPC_E1:
        case bcCodeUPC_Supp2:
        case bcCodeUPC_Supp5:
            return RatioLimit{2.0, 3.0};
        default:
            return std::nullopt;
    }
}

namespace {
bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}
}  // namespace

std::optional<BarcodeType> barcodeTypeByName(std::string_view name) {
    for (int code = 0; code < kBarcodeTypeCount; ++code) {
        if (equalsIgnoringCase(symbologyTable[code].name, name)) return static_cast<BarcodeType>(code);
    }
    return std::nullopt;
}

}  // namespace barcode
