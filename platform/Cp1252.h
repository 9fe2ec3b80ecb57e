// Windows-1252, the 8-bit text of template and prepared-report streams and of old code files.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Each byte as its Windows-1252 character in UTF-8; the five unassigned bytes
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value.
std::string cp1252ToUtf8(std::string_view bytes);
// UTF-8 to Windows-1252; characters it cannot hold, and invalid UTF-8 bytes, become '?'.
std::string utf8ToCp1252(std::string_view utf8);
// The first character of UTF-8 text that Windows-1252 cannot hold (as UTF-8), if any.
std::optional<std::string> firstCharacterNotInCp1252(std::string_view utf8);
// Text of unknown encoding: UTF-8 when it is valid UTF-8, else Windows-1252. A leading
// UTF-8 byte-order mark is dropped.
std::string decodeUtf8OrCp1252(std::string_view bytes);

}  // namespace platform
