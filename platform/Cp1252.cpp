#include "platform/Cp1252.h"

#include "platform/Utf8.h"

namespace platform {

namespace {

// Characters of bytes 0x80 to 0x9F; every other byte is the Unicode code point of its value.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char32_t charOfByte(unsigned char b) {
    return b >= 0x80 && b <= 0x9F ? kHighControls[b - 0x80] : b;
}

constexpr char kUnheld = '?';

char byteOfChar(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == c) return static_cast<char>(0x80 + i);
    return kUnheld;
}

}  // namespace

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char b : bytes) utf8Append(out, charOfByte(static_cast<unsigned char>(b)));
    return out;
}

std::string utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (char32_t c : utf8Decode(utf8)) out += byteOfChar(c);
    return out;
}

std::optional<std::string> firstCharacterNotInCp1252(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t end = utf8CharacterEnd(utf8, i);
        const std::string_view character = utf8.substr(i, end - i);
        const std::vector<char32_t> decoded = utf8Decode(character);
        if (!isValidUtf8(character) || (decoded.front() != kUnheld && byteOfChar(decoded.front()) == kUnheld))
            return std::string(character);
        i = end;
    }
    return std::nullopt;
}

std::string decodeUtf8OrCp1252(std::string_view bytes) {
    if (!isValidUtf8(bytes)) return cp1252ToUtf8(bytes);
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    return std::string(bytes);
}

}  // namespace platform
