#include "memtable/Utf8.h"

#include <cstdint>

namespace memtable {

static_assert(sizeof(wchar_t) == 4, "code points are held in 32-bit wchar_t");

namespace {

constexpr char32_t replacementCharacter = 0xFFFD;

// Length in bytes of the well-formed character starting at text[pos], or 0 when malformed.
std::size_t sequenceLength(std::string_view text, std::size_t pos, char32_t& codePoint) {
    const auto lead = static_cast<std::uint8_t>(text[pos]);
    std::size_t length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        codePoint = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        codePoint = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        codePoint = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (pos + length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<std::uint8_t>(text[pos + i]);
        if ((byte & 0xC0) != 0x80) return 0;
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < minimum || codePoint > 0x10FFFF || surrogate) return 0;
    return length;
}

// Calls visit(codePoint, byteLength) for each character; malformed bytes count one each.
template <typename Visit>
void forEachCharacter(std::string_view text, Visit visit) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        char32_t codePoint = 0;
        std::size_t length = sequenceLength(text, pos, codePoint);
        if (length == 0) {
            codePoint = replacementCharacter;
            length = 1;
        }
        if (!visit(codePoint, pos, length)) return;
        pos += length;
    }
}

}  // namespace

std::wstring decodeUtf8(std::string_view text) {
    std::wstring result;
    result.reserve(text.size());
    forEachCharacter(text, [&](char32_t c, std::size_t, std::size_t) {
        result.push_back(static_cast<wchar_t>(c));
        return true;
    });
    return result;
}

std::string truncateToCharacters(std::string_view text, std::size_t maxCharacters) {
    std::size_t count = 0;
    std::size_t end = 0;
    forEachCharacter(text, [&](char32_t, std::size_t pos, std::size_t length) {
        if (count == maxCharacters) return false;
        ++count;
        end = pos + length;
        return true;
    });
    return std::string(text.substr(0, end));
}

std::size_t countCharacters(std::string_view text) {
    std::size_t count = 0;
    forEachCharacter(text, [&](char32_t, std::size_t, std::size_t) {
        ++count;
        return true;
    });
    return count;
}

}  // namespace memtable
