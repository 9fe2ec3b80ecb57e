// Small UTF-8 helpers: code point counting, decoding and encoding.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Number of characters (code points) of valid UTF-8; each invalid byte counts as one.
std::size_t utf8Length(std::string_view s);
// Whether s is well-formed UTF-8 (no overlong forms, surrogates or values above U+10FFFF).
bool isValidUtf8(std::string_view s);
// Code points of s; each invalid byte becomes U+FFFD.
std::vector<char32_t> utf8Decode(std::string_view s);
void utf8Append(std::string& out, char32_t c);

}  // namespace platform
