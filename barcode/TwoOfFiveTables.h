// Digit and character tables of the 2 of 5 kinds, MSI, PostNet and Codabar, as module codes
// (spaces '0'..'3', bars '5'..'8', short bars 'A'..'D'; the digit is the width index).
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace barcode {

// The five narrow/wide flags of each digit shared by Interleaved, Industrial and Matrix
// 2 of 5 (ISO/IEC 16390): exactly two of the five are wide.
using TwoOfFiveFlags = std::array<bool, 5>;
extern const std::array<TwoOfFiveFlags, 10> kTwoOfFiveDigits;

// MSI: the four bits of the digit, most significant first; a 0 bit is "51" (narrow bar, wide
// space), a 1 bit "60" (wide bar, narrow space).
extern const std::array<std::string_view, 10> kMsiDigits;

// PostNet: five bars per digit, two full ("51") and three short ("A1"), each followed by a
// wide space.
extern const std::array<std::string_view, 10> kPostNetDigits;

// Codabar: the 20 characters and their seven elements (bar, space, ..., bar).
struct CodabarCharacter {
    char character;
    std::string_view modules;
};
extern const std::array<CodabarCharacter, 20> kCodabarCharacters;

// The modules of a Codabar character, or nothing for a character outside the table.
std::optional<std::string_view> codabarModulesOf(char c);

}  // namespace barcode
