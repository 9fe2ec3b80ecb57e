// Formal check of an Italian fiscal code: character classes, birth-month letter, check character.
#pragma once

#include <string>
#include <string_view>

namespace labels {

inline constexpr const char* kFiscalCodeSound = "Codice fiscale formalmente corretto";

struct FiscalCodeCheck {
    // Empty when the code is sound (or the text is empty); otherwise the first fault found.
    std::string message;
    // The text after any correction: when only the check character is wrong, the first
    // 15 characters followed by the right one; otherwise the text unchanged.
    std::string code;
};

// Runs the checks in order and stops at the first fault. Positions count characters (UTF-8).
// Where a digit is expected in positions 7, 8, 10, 11, 13, 14 and 15, the letters
// L M N P Q R S T U V are accepted too: they stand for 0-9 in codes reissued to tell
// apart two people who would otherwise share one code.
FiscalCodeCheck checkFiscalCode(std::string_view text);

// The check character (A-Z) over the first 15 characters of an upper-case code made of
// digits and letters A-Z.
char fiscalCheckCharacter(std::string_view code);

}  // namespace labels
