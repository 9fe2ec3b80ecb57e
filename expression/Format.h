// Display formats of report objects: the packed FormatCode, the inline " #" format of an
// expression, and the conversion of a value into its display text.
#pragma once

#include "expression/ExpressionValue.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace expression {

enum class FormatCategory : int { Text = 0, Number = 1, Date = 2, Time = 3, Logical = 4 };

// The sub-format that means "use the format text".
inline constexpr int kCustomSubFormat = 4;

// The separator the office's locale writes between integer and decimal digits.
inline constexpr char kDefaultDecimalSeparator = ',';

// FormatCode layout: byte 3 category, byte 2 sub-format, byte 1 decimals, byte 0 decimal
// separator character.
struct FormatCode {
    std::int32_t code = 0;

    static FormatCode make(FormatCategory category, int subFormat, int decimals, char separator);
    // What a new object gets: plain text, two decimals, the locale's separator.
    static FormatCode objectDefault() { return make(FormatCategory::Text, 0, 2, kDefaultDecimalSeparator); }

    FormatCategory category() const { return static_cast<FormatCategory>((code >> 24) & 0xFF); }
    int subFormat() const { return (code >> 16) & 0xFF; }
    int decimals() const { return (code >> 8) & 0xFF; }
    char separator() const;
};

struct DisplayFormat {
    FormatCode code;
    std::string text;  // FormatText, used by sub-format 4
};

// The fixed texts of the predefined sub-formats (UI texts 55170-55173, 55175-55178,
// 55179-55182), indexed by sub-format.
inline constexpr std::array<const char*, 4> kLogicalFormats = {"0;1", "No;Si", "_;x", "Falso;Vero"};
inline constexpr std::array<const char*, 4> kDateFormats = {"dd/mm/yy", "dd/mm/yyyy", "d mmm yyyy",
                                                            "d mmmm yyyy"};
inline constexpr std::array<const char*, 4> kTimeFormats = {"hh:nn:ss", "h:nn:ss", "hh:nn", "h:nn"};

// The format written after " #" in an expression ("N0,00", "Ddd/mm", "BNo;Si", "0.00"), or
// nullopt when its first letter names no category.
std::optional<DisplayFormat> parseInlineFormat(std::string_view format);

// Splits "expression #format" at the first " #" outside quotes; the format part is empty
// when there is none.
struct ExpressionWithFormat {
    std::string_view expression;
    std::optional<std::string_view> format;
};
ExpressionWithFormat splitInlineFormat(std::string_view text);

// The display text of a value. A value that does not fit its category (a word under a
// number format) is shown in plain conversion rather than failing the report.
std::string formatValue(const Value& value, const DisplayFormat& format);

}  // namespace expression
