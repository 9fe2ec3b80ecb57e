// The 23 symbologies the generator knows, in the fixed order their codes are stored in
// (one byte in the barcode record), with the facts that callers look up per symbology.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace barcode {

enum BarcodeType : std::uint8_t {
    bcCode_2_5_interleaved = 0,
    bcCode_2_5_industrial = 1,
    bcCode_2_5_matrix = 2,
    bcCode39 = 3,
    bcCode39Extended = 4,
    bcCode128A = 5,
    bcCode128B = 6,
    bcCode128C = 7,
    bcCode93 = 8,
    bcCode93Extended = 9,
    bcCodeMSI = 10,
    bcCodePostNet = 11,
    bcCodeCodabar = 12,
    bcCodeEAN8 = 13,
    bcCodeEAN13 = 14,
    bcCodeUPC_A = 15,
    bcCodeUPC_E0 = 16,
    bcCodeUPC_E1 = 17,
    bcCodeUPC_Supp2 = 18,
    bcCodeUPC_Supp5 = 19,
    bcCodeEAN128A = 20,
    bcCodeEAN128B = 21,
    bcCodeEAN128C = 22,
};

constexpr int kBarcodeTypeCount = 23;

// One row of the symbology table: the name lists of symbologies show (spelled as stored)
// and whether the generator trims the text and accepts only digits for it.
struct SymbologyData {
    std::string_view name;
    bool digitsOnly;
};

extern const std::array<SymbologyData, kBarcodeTypeCount> symbologyTable;

// The wide-to-narrow ratio range enforced before encoding; symbologies that count their
// modules 1..4 (Code 128, Code 93, MSI, PostNet) have no limit.
struct RatioLimit {
    double lower;
    double upper;
};
std::optional<RatioLimit> ratioLimitOf(BarcodeType type);

inline bool isKnownBarcodeType(int code) {
    return code >= 0 && code < kBarcodeTypeCount;
}

// The type whose display name matches (ASCII case-insensitively), if any.
std::optional<BarcodeType> barcodeTypeByName(std::string_view name);

}  // namespace barcode
