// Character-level helpers for UTF-8 text: label lengths (16, 11) count characters, not bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace app {

// True when the bytes are well-formed UTF-8 (no overlongs, surrogates or values past U+10FFFF).
bool isValidUtf8(std::string_view bytes);

// Number of characters of a valid UTF-8 text.
std::size_t utf8Length(std::string_view text);

// The first maxChars characters of a valid UTF-8 text.
std::string utf8Prefix(std::string_view text, std::size_t maxChars);

// Converts Windows-1252 bytes to UTF-8.
std::string windows1252ToUtf8(std::string_view bytes);

// Text of a code list file as UTF-8: the bytes themselves when they are valid UTF-8,
// otherwise read as Windows-1252, the 8-bit set those files were written in.
std::string decodeCodeFileText(std::string_view bytes);

}  // namespace app
