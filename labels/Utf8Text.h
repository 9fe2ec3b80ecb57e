// Character-level helpers for code list text: label lengths (16, 11) count characters, not
// bytes. Validation, counting and Windows-1252 decoding come from the platform's helpers.
#pragma once

#include <string>
#include <string_view>

namespace app {

// The first maxChars characters of a valid UTF-8 text.
std::string utf8Prefix(std::string_view text, std::size_t maxChars);

// Text of a code list file as UTF-8: the bytes themselves when they are valid UTF-8 (without
// a leading byte order mark), otherwise read as Windows-1252, the 8-bit set those files were
// written in.
std::string decodeCodeFileText(std::string_view bytes);

}  // namespace app
