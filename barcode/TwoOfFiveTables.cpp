// Tables of the 2 of 5 kinds, MSI, PostNet and Codabar.
#include "barcode/TwoOfFiveTables.h"

namespace barcode {

namespace {
constexpr bool N = false;  // narrow
constexpr bool W = true;   // wide
}  // namespace

// ISO/IEC 16390, table of digit patterns (weights 1, 2, 4, 7, parity).
const std::array<TwoOfFiveFlags, 10> kTwoOfFiveDigits = {{
    {N, N, W, W, N},  // 0
    {W, N, N, N, W},  // 1
    {N, W, N, N, W},  // 2
    {W, W, N, N, N},  // 3
    {N, N, W, N, W},  // 4
    {W, N, W, N, N},  // 5
    {N, W, W, N, N},  // 6
    {N, N, N, W, W},  // 7
    {W, N, N, W, N},  // 8
    {N, W, N, W, N},  // 9
}};

const std::array<std::string_view, 10> kMsiDigits = {
    "51515151",  // 0000
    "51515160",  // 0001
    "51516051",  // 0010
    "51516060",  // 0011
    "51605151",  // 0100
    "51605160",  // 0101
    "51606051",  // 0110
    "51606060",  // 0111
    "60515151",  // 1000
    "60515160",  // 1001
};

// POSTNET (USPS DMM 708.4): 1 = full bar, 0 = short bar.
const std::array<std::string_view, 10> kPostNetDigits = {
    "5151A1A1A1",  // 11000
    "A1A1A15151",  // 00011
    "A1A151A151",  // 00101
    "A1A15151A1",  // 00110
    "A151A1A151",  // 01001
    "A151A151A1",  // 01010
    "A15151A1A1",  // 01100
    "51A1A1A151",  // 10001
    "51A1A151A1",  // 10010
    "51A151A1A1",  // 10100
};

// Codabar (AIM USS-Codabar): narrow/wide bars '5'/'6', narrow/wide spaces '0'/'1'.
const std::array<CodabarCharacter, 20> kCodabarCharacters = {{
    {'1', "5050615"}, {'2', "5051506"}, {'3', "6150505"}, {'4', "5060515"}, {'5', "6050515"},
    {'6', "5150506"}, {'7', "5150605"}, {'8', "5160505"}, {'9', "6051505"}, {'0', "5050516"},
    {'-', "5051605"}, {'$', "5061505"}, {':', "6050606"}, {'/', "6060506"}, {'.', "6060605"},
    {'+', "5060606"}, {'A', "5061515"}, {'B', "5151506"}, {'C', "5051516"}, {'D', "5051615"},
}};

std::optional<std::string_view> codabarModulesOf(char c) {
    for (const CodabarCharacter& entry : kCodabarCharacters) {
        if (entry.character == c) return entry.modules;
    }
    return std::nullopt;
}

}  // namespace barcode
