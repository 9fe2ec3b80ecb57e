#include "expression/ExpressionExpand.h"

#include "expression/ExpressionScanner.h"

namespace expression {

std::string expandLine(std::string_view line, const ExpressionToText& evaluate) {
    std::string s(line);
    std::size_t i = 0;
    while (auto span = findBracketedExpression(s, i)) {
        const std::string expression(span->inner(s));
        const std::string text = evaluate(expression);
        s.replace(span->open, span->end(s) - span->open, text);
        i = span->open + text.size();
    }
    return s;
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    lines.emplace_back(text.substr(start));
    return lines;
}

std::vector<std::string> expandMemo(const std::vector<std::string>& memo, bool textOnly,
                                    const ExpressionToText& evaluate) {
    if (textOnly) return memo;
    std::vector<std::string> lines;
    lines.reserve(memo.size());
    for (const std::string& line : memo) {
        const std::string expanded = expandLine(line, evaluate);
        if (expanded.find_first_of("\r\n") == std::string::npos) {
            lines.push_back(expanded);
            continue;
        }
        for (std::string& part : splitLines(expanded)) lines.push_back(std::move(part));
    }
    return lines;
}

}  // namespace expression
