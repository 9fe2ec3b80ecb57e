#include "barcode_object/DecimalText.h"

#include <cstddef>

namespace barcode_object {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skipDigits(std::string_view s, std::size_t i) {
    while (i < s.size() && isDigit(s[i])) ++i;
    return i;
}

std::size_t skipSign(std::string_view s, std::size_t i) {
    return i < s.size() && (s[i] == '+' || s[i] == '-') ? i + 1 : i;
}

}  // namespace

bool readsAsDecimalNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    i = skipSign(text, i);
    const std::size_t intStart = i;
    i = skipDigits(text, i);
    std::size_t digits = i - intStart;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fracStart = ++i;
        i = skipDigits(text, i);
        digits += i - fracStart;
    }
    if (digits == 0) return false;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        const std::size_t expStart = skipSign(text, i + 1);
        i = skipDigits(text, expStart);
        if (i == expStart) return false;
    }
    return i == text.size();
}

}  // namespace barcode_object
