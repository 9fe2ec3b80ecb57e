#include "expression/FormatNumber.h"

#include "expression/ExpressionValue.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace expression {

namespace {

// More decimals than a double can carry only produce noise and long buffers.
constexpr int kMaxDecimals = 18;

struct NumberPicture {
    std::string prefix, suffix;  // literal text around the digits
    int minIntegerDigits = 0;    // "0"s before the point
    int minDecimals = 0;         // up to the last "0" after the point
    int maxDecimals = 0;         // "0"s and "#"s after the point
    bool thousands = false;
    bool hasDigits = false;
    int exponentDigits = -1;    // -1: no exponent
    bool exponentSign = false;  // "E+" always shows the sign
};

std::vector<std::string_view> splitSections(std::string_view format) {
    std::vector<std::string_view> sections;
    std::size_t start = 0;
    char quote = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == ';') {
            sections.push_back(format.substr(start, i - start));
            start = i + 1;
        }
    }
    sections.push_back(format.substr(start));
    return sections;
}

NumberPicture parsePicture(std::string_view f) {
    NumberPicture p;
    bool afterPoint = false;
    for (std::size_t i = 0; i < f.size(); ++i) {
        const char c = f[i];
        std::string& literal = p.hasDigits ? p.suffix : p.prefix;
        if (c == '"' || c == '\'') {
            const std::size_t close = f.find(c, i + 1);
            const std::size_t end = close == std::string_view::npos ? f.size() : close;
            literal.append(f.substr(i + 1, end - i - 1));
            i = end;
        } else if ((c == 'E' || c == 'e') && p.hasDigits && i + 1 < f.size() &&
                   (f[i + 1] == '+' || f[i + 1] == '-')) {
            p.exponentSign = f[i + 1] == '+';
            i += 2;
            p.exponentDigits = 0;
            while (i < f.size() && f[i] == '0') {
                ++p.exponentDigits;
                ++i;
            }
            --i;
        } else if (c == '0' || c == '#') {
            if (!p.suffix.empty()) continue;  // digits after a literal: keep the first run only
            p.hasDigits = true;
            if (afterPoint) {
                ++p.maxDecimals;
                if (c == '0') p.minDecimals = p.maxDecimals;
            } else if (c == '0' || p.minIntegerDigits > 0) {
                if (c == '0') ++p.minIntegerDigits;
            }
        } else if (c == '.' && !afterPoint && p.suffix.empty()) {
            afterPoint = true;
            p.hasDigits = true;
        } else if (c == ',' && !afterPoint && p.suffix.empty()) {
            p.thousands = true;
        } else {
            literal += c;
        }
    }
    p.maxDecimals = std::min(p.maxDecimals, kMaxDecimals);
    p.minDecimals = std::min(p.minDecimals, p.maxDecimals);
    return p;
}

std::string groupThousands(const std::string& digits, char separator) {
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += separator;
        out += digits[i];
    }
    return out;
}

// The digits of |value| rounded to `decimals`, as integer part and decimal part.
void splitDigits(double value, int decimals, std::string& integerPart, std::string& decimalPart) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, std::fabs(value));
    std::string s = buffer;
    const std::size_t point = s.find('.');
    integerPart = s.substr(0, point);
    decimalPart = point == std::string::npos ? std::string() : s.substr(point + 1);
}

std::string applyPicture(const NumberPicture& p, double value, char decimalSeparator,
                         char thousandSeparator) {
    int exponent = 0;
    if (p.exponentDigits >= 0 && value != 0.0) {
        const int integerDigits = std::max(1, p.minIntegerDigits);
        exponent = static_cast<int>(std::floor(std::log10(std::fabs(value)))) - (integerDigits - 1);
        value /= std::pow(10.0, exponent);
    }
    std::string integerPart, decimalPart;
    splitDigits(value, p.maxDecimals, integerPart, decimalPart);
    while (static_cast<int>(decimalPart.size()) > p.minDecimals && decimalPart.back() == '0')
        decimalPart.pop_back();
    if (integerPart == "0" && p.minIntegerDigits == 0) integerPart.clear();
    while (static_cast<int>(integerPart.size()) < p.minIntegerDigits) integerPart.insert(0, "0");
    if (p.thousands) integerPart = groupThousands(integerPart, thousandSeparator);
    std::string out = p.prefix + integerPart;
    if (!decimalPart.empty()) out += decimalSeparator + decimalPart;
    if (p.exponentDigits >= 0) {
        char b[16];
        // A double's exponent has at most three digits; more zeros in the picture only pad.
        std::snprintf(b, sizeof b, "%0*d", std::clamp(p.exponentDigits, 1, 4), std::abs(exponent));
        out += 'E';
        if (exponent < 0)
            out += '-';
        else if (p.exponentSign)
            out += '+';
        out += b;
    }
    return out + p.suffix;
}

}  // namespace

std::string formatFixed(double value, int decimals, char decimalSeparator, char thousandSeparator,
                        bool thousands) {
    if (!std::isfinite(value)) return formatGeneralFloat(value, decimalSeparator);
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    std::string integerPart, decimalPart;
    splitDigits(value, decimals, integerPart, decimalPart);
    if (thousands) integerPart = groupThousands(integerPart, thousandSeparator);
    const bool negative = value < 0 && (integerPart.find_first_not_of("0.,") != std::string::npos ||
                                        decimalPart.find_first_not_of('0') != std::string::npos);
    std::string out = (negative ? "-" : "") + integerPart;
    if (decimals > 0) out += decimalSeparator + decimalPart;
    return out;
}

std::string formatFloat(std::string_view format, double value, char decimalSeparator,
                        char thousandSeparator) {
    if (format.empty() || !std::isfinite(value)) return formatGeneralFloat(value, decimalSeparator);
    const std::vector<std::string_view> sections = splitSections(format);
    std::string_view section = sections[0];
    bool addMinus = value < 0;
    if (value < 0 && sections.size() >= 2 && !sections[1].empty()) {
        section = sections[1];
        addMinus = false;
    }
    NumberPicture picture = parsePicture(section);
    if (!picture.hasDigits) return picture.prefix + picture.suffix;
    std::string text = applyPicture(picture, value, decimalSeparator, thousandSeparator);
    // A value that rounds to zero takes the zero section, and never shows a minus.
    std::string integerPart, decimalPart;
    splitDigits(value, picture.maxDecimals, integerPart, decimalPart);
    const bool roundsToZero = integerPart.find_first_not_of('0') == std::string::npos &&
                              decimalPart.find_first_not_of('0') == std::string::npos;
    if (roundsToZero) {
        if (sections.size() >= 3 && !sections[2].empty()) {
            NumberPicture zero = parsePicture(sections[2]);
            return zero.hasDigits ? applyPicture(zero, 0.0, decimalSeparator, thousandSeparator)
                                  : zero.prefix + zero.suffix;
        }
        addMinus = false;
    }
    return addMinus ? "-" + text : text;
}

}  // namespace expression
