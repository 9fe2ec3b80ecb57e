#include "barcode/CarriedText.h"

#include "barcode/BarcodeError.h"
#include "barcode/BarcodeGenerator.h"

namespace barcode {

namespace {

// End of the character that starts at s[i]: one byte, or a whole UTF-8 sequence.
std::size_t characterEnd(const std::string& s, std::size_t i) {
    std::size_t end = i + 1;
    if (static_cast<unsigned char>(s[i]) >= 0xC0)
        while (end < s.size() && (static_cast<unsigned char>(s[end]) & 0xC0) == 0x80) ++end;
    return end;
}

// Code 39's start and stop character would end the symbol where it stands.
bool isReserved(BarcodeType type, const std::string& character) {
    return type == bcCode39 && character == "*";
}

std::optional<std::string> patternOf(BarcodeGenerator& generator, const std::string& text) {
    generator.setText(text);
    try {
        return generator.encode();
    } catch (const BarcodeError&) {
        return std::nullopt;
    }
}

}  // namespace

// A character is carried when adding it to the text before it changes the bars.
std::optional<std::string> firstUncarriedCharacter(BarcodeType type, const std::string& text) {
    if (!isKnownBarcodeType(type)) return text.empty() ? std::nullopt : std::optional(text.substr(0, 1));
    BarcodeGenerator generator;
    generator.setType(type);
    generator.setChecksum(false);
    std::optional<std::string> before = patternOf(generator, "");
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t end = characterEnd(text, i);
        const std::string character = text.substr(i, end - i);
        const std::optional<std::string> with = patternOf(generator, text.substr(0, end));
        if (!with || with == before || isReserved(type, character)) return character;
        before = with;
        i = end;
    }
    return std::nullopt;
}

}  // namespace barcode
