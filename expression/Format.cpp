#include "expression/Format.h"

#include "expression/ExpressionError.h"
#include "expression/FormatDateTime.h"
#include "expression/FormatNumber.h"

#include <cctype>

namespace expression {

namespace {

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The separators a fixed number format may name: the characters between "+" and "/".
bool isSeparatorCandidate(char c) {
    return c > '+' && c < '/';
}

DisplayFormat numberFormat(std::string_view rest) {
    if (rest.empty() || !isDigit(rest[0]))
        return {FormatCode::make(FormatCategory::Number, kCustomSubFormat, 0, kDefaultDecimalSeparator),
                std::string(rest)};
    const std::size_t sep = [&] {
        for (std::size_t i = rest.size(); i-- > 0;)
            if (isSeparatorCandidate(rest[i])) return i;
        return std::string_view::npos;
    }();
    int decimals = 0;
    char separator = kDefaultDecimalSeparator;
    std::string text(rest);
    if (sep != std::string_view::npos) {
        separator = rest[sep];
        text[sep] = '.';
        for (std::size_t i = sep + 1; i < rest.size(); ++i)
            if (isDigit(rest[i])) ++decimals;
    }
    return {FormatCode::make(FormatCategory::Number, 1, decimals, separator), text};
}

std::string numberText(double v, const DisplayFormat& f) {
    const char sep = f.code.separator();
    const char thousand = thousandSeparatorFor(sep);
    const int decimals = f.code.decimals();
    const std::string optionalDecimals =
        "." + std::string(static_cast<std::size_t>(std::min(decimals, 18)), '#');
    switch (f.code.subFormat()) {
        case 0:
            return formatFloat("0" + optionalDecimals, v, sep, thousand);
        case 1:
            return formatFixed(v, decimals, sep, thousand, false);
        case 2:
            return formatFloat("#,##0" + optionalDecimals, v, sep, thousand);
        case 3:
            return formatFixed(v, decimals, sep, thousand, true);
        default:
            return formatFloat(f.text, v, sep, thousand);
    }
}

std::optional<DateTime> asDateTime(const Value& value) {
    if (value.kind() == Value::Kind::Date || value.isNumeric()) return DateTime{value.toDouble()};
    if (auto d = parseDate(value.asString())) return d;
    return parseTime(value.asString());
}

std::string pickLogicalText(std::string_view pair, bool truth) {
    const std::size_t semicolon = pair.find(';');
    if (semicolon == std::string_view::npos) return truth ? std::string(pair) : std::string();
    return std::string(truth ? pair.substr(semicolon + 1) : pair.substr(0, semicolon));
}

std::string formatOrThrow(const Value& value, const DisplayFormat& f) {
    const int sub = f.code.subFormat();
    switch (f.code.category()) {
        case FormatCategory::Number:
            return numberText(value.toDouble(), f);
        case FormatCategory::Date:
        case FormatCategory::Time: {
            const auto dt = asDateTime(value);
            if (!dt) return value.toText(f.code.separator());
            const auto& table = f.code.category() == FormatCategory::Date ? kDateFormats : kTimeFormats;
            if (sub >= 0 && sub < static_cast<int>(table.size()))
                return formatDateTime(table[static_cast<std::size_t>(sub)], *dt);
            return formatDateTime(f.text, *dt);
        }
        case FormatCategory::Logical: {
            const bool truth = value.toBool();
            if (sub >= 0 && sub < static_cast<int>(kLogicalFormats.size()))
                return pickLogicalText(kLogicalFormats[static_cast<std::size_t>(sub)], truth);
            return pickLogicalText(f.text, truth);
        }
        default:
            return value.toText(f.code.separator());
    }
}

}  // namespace

FormatCode FormatCode::make(FormatCategory category, int subFormat, int decimals, char separator) {
    const auto byte = [](int v) { return static_cast<std::uint32_t>(v) & 0xFFu; };
    return FormatCode{static_cast<std::int32_t>((byte(static_cast<int>(category)) << 24) |
                                                (byte(subFormat) << 16) | (byte(decimals) << 8) |
                                                byte(static_cast<unsigned char>(separator)))};
}

char FormatCode::separator() const {
    const char c = static_cast<char>(code & 0xFF);
    // A stored code without a separator (0 or a control character) uses the locale's.
    return static_cast<unsigned char>(c) < ' ' ? kDefaultDecimalSeparator : c;
}

std::optional<DisplayFormat> parseInlineFormat(std::string_view format) {
    if (format.empty()) return std::nullopt;
    std::string withLetter;
    if (isDigit(format[0])) {
        withLetter = "N" + std::string(format);
        format = withLetter;
    }
    const std::string_view rest = format.substr(1);
    switch (std::toupper(static_cast<unsigned char>(format[0]))) {
        case 'N':
            return numberFormat(rest);
        case 'D':
        case 'T':
            return DisplayFormat{
                FormatCode::make(FormatCategory::Date, kCustomSubFormat, 0, kDefaultDecimalSeparator),
                std::string(rest)};
        case 'B':
            return DisplayFormat{
                FormatCode::make(FormatCategory::Logical, kCustomSubFormat, 0, kDefaultDecimalSeparator),
                std::string(rest)};
        default:
            return std::nullopt;
    }
}

ExpressionWithFormat splitInlineFormat(std::string_view text) {
    // A " #" inside a string literal is text, not a format.
    bool inQuote = false;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '\'')
            inQuote = !inQuote;
        else if (!inQuote && text[i] == ' ' && text[i + 1] == '#')
            return {text.substr(0, i), text.substr(i + 2)};
    }
    return {text, std::nullopt};
}

std::string formatValue(const Value& value, const DisplayFormat& format) {
    if (value.isEmpty()) return {};
    if (format.code.category() == FormatCategory::Text) return value.toText(format.code.separator());
    try {
        return formatOrThrow(value, format);
    } catch (const ExpressionError&) {
        return value.toText(format.code.separator());
    }
}

}  // namespace expression
