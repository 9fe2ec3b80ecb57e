// The program's one set of UTF-8 helpers: character counting, prefixes, decoding and encoding.
// Lengths count characters (code points), never bytes; each byte of a malformed sequence
// counts as one character, so damaged text is neither lost nor over-read.
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
// Byte offset just past the character that starts at byte i; s.size() when i is past the end.
std::size_t utf8CharacterEnd(std::string_view s, std::size_t i);
// Byte offset just past the first `characters` characters (the whole text when shorter).
std::size_t utf8Offset(std::string_view s, std::size_t characters);
// The first `characters` characters of s, never splitting a character.
std::string utf8Prefix(std::string_view s, std::size_t characters);

}  // namespace platform
