#include "platform/Utf8.h"

namespace platform {

namespace {

// Decodes one code point at s[i]; returns its byte length, or 0 when the bytes are invalid.
std::size_t decodeOne(std::string_view s, std::size_t i, char32_t& out) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b0 = byte(i);
    std::size_t n;
    char32_t c;
    char32_t minimum;
    if (b0 < 0x80) {
        out = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        n = 2, c = b0 & 0x1F, minimum = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        n = 3, c = b0 & 0x0F, minimum = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        n = 4, c = b0 & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    out = c;
    return n;
}

}  // namespace

std::vector<char32_t> utf8Decode(std::string_view s) {
    std::vector<char32_t> out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        char32_t c;
        std::size_t n = decodeOne(s, i, c);
        out.push_back(n ? c : U'\uFFFD');
        i += n ? n : 1;
    }
    return out;
}

std::size_t utf8Length(std::string_view s) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < s.size(); ++count) i = utf8CharacterEnd(s, i);
    return count;
}

bool isValidUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        char32_t c;
        std::size_t n = decodeOne(s, i, c);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

void utf8Append(std::string& out, char32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::size_t utf8CharacterEnd(std::string_view s, std::size_t i) {
    if (i >= s.size()) return s.size();
    char32_t c;
    const std::size_t n = decodeOne(s, i, c);
    return i + (n ? n : 1);
}

std::size_t utf8Offset(std::string_view s, std::size_t characters) {
    std::size_t i = 0;
    for (std::size_t k = 0; k < characters && i < s.size(); ++k) i = utf8CharacterEnd(s, i);
    return i;
}

std::string utf8Prefix(std::string_view s, std::size_t characters) {
    return std::string(s.substr(0, utf8Offset(s, characters)));
}

}  // namespace platform
