#pragma once
// UTF-8 helpers: field sizes count characters (code points), not bytes.

#include <cstddef>
#include <string>
#include <string_view>

namespace memtable {

// Decodes UTF-8; each byte of a malformed sequence becomes U+FFFD so nothing is lost silently.
std::wstring decodeUtf8(std::string_view text);

// The first maxCharacters characters of text, never splitting a character.
std::string truncateToCharacters(std::string_view text, std::size_t maxCharacters);

std::size_t countCharacters(std::string_view text);

}  // namespace memtable
