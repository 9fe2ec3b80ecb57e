#include "expression/ExpressionScanner.h"

namespace expression {

std::optional<BracketSpan> findBracketedExpression(std::string_view text, std::size_t from) {
    const std::size_t open = text.find('[', from);
    if (open == std::string_view::npos) return std::nullopt;
    bool inSingle = false, inDouble = false;
    int depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"' && !inSingle)
            inDouble = !inDouble;
        else if (c == '\'' && !inDouble)
            inSingle = !inSingle;
        else if (!inSingle && !inDouble) {
            if (c == '[')
                ++depth;
            else if (c == ']' && --depth == 0)
                return BracketSpan{open, i};
        }
    }
    return BracketSpan{open, text.size()};
}

}  // namespace expression
