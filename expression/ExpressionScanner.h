// Finding the bracketed expressions of a text: "[" and "]" nest, but not inside quotes.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace expression {

// Positions (0-based) of the outer "[" and its matching "]". A "[" that is never closed runs
// to the end of the text: `close` is then the text's size and the expression is the rest.
struct BracketSpan {
    std::size_t open = 0;
    std::size_t close = 0;

    std::string_view inner(std::string_view text) const { return text.substr(open + 1, close - open - 1); }
    std::size_t end(std::string_view text) const { return close < text.size() ? close + 1 : close; }
};

// The first bracketed expression at or after `from`; nullopt when no "[" remains.
// A double quote toggles the double-quoted state unless inside single quotes, and a single
// quote the single-quoted state unless inside double quotes; brackets count only outside both.
std::optional<BracketSpan> findBracketedExpression(std::string_view text, std::size_t from = 0);

}  // namespace expression
