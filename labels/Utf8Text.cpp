#include "labels/Utf8Text.h"

#include "platform/Cp1252.h"

namespace app {

std::string utf8Prefix(std::string_view text, std::size_t maxChars) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;  // continuation byte
        if (chars == maxChars) return std::string(text.substr(0, i));
        ++chars;
    }
    return std::string(text);
}

std::string decodeCodeFileText(std::string_view bytes) {
    return platform::decodeUtf8OrCp1252(bytes);
}

}  // namespace app
