// Expanding the bracketed expressions of memo lines and tags into their values.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace expression {

// Gives the display text of one expression (the text between the brackets).
using ExpressionToText = std::function<std::string(std::string_view expression)>;

// Replaces each [..] of `line` by its text; scanning goes on after the inserted text, so a
// value that itself holds "[" is not expanded again.
std::string expandLine(std::string_view line, const ExpressionToText& evaluate);

// Expands memo lines one by one; a value with line breaks becomes several lines. With
// `textOnly` the lines are copied unchanged.
std::vector<std::string> expandMemo(const std::vector<std::string>& memo, bool textOnly,
                                    const ExpressionToText& evaluate);

// Splits a text at "\r\n", "\n" or "\r".
std::vector<std::string> splitLines(std::string_view text);

}  // namespace expression
