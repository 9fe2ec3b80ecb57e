// The expression parser: converts an expression into postfix form and computes it.
//
// Binding, tightest first: INT FRAC ROUND STR; then * / MOD AND OR NOT; then + - and the
// unary signs; then = <> < > <= >=; parentheses group. Names, bracketed names and function
// calls are handed to the host; IF and COPY are computed here.
#pragma once

#include "expression/ExpressionValue.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace expression {

// What the parser asks of the outside world.
class ParserHost {
public:
    virtual ~ParserHost() = default;
    // The value of a name (a bare word such as kb1."giorno", or the text of [..]).
    virtual Value valueOf(const std::string& name) = 0;
    // A function other than IF and COPY; `upperName` is upper-case, `arguments` are
    // expression texts, at most three.
    virtual Value callFunction(const std::string& upperName, std::span<const std::string> arguments) = 0;
};

struct CompiledExpression;  // postfix form

class ExpressionParser {
public:
    // Deeper nesting (brackets within names within functions) is refused, so hostile text
    // cannot exhaust the stack.
    static constexpr int kMaxDepth = 64;

    explicit ExpressionParser(char decimalSeparator = ',');

    // Parses and computes `expression`; throws ExpressionError on a syntax error.
    Value evaluate(std::string_view expression, ParserHost& host);

    std::shared_ptr<const CompiledExpression> compile(std::string_view expression) const;
    Value compute(const CompiledExpression& compiled, ParserHost& host);

    char decimalSeparator() const { return decimalSeparator_; }

private:
    Value computeIf(std::span<const std::string> args, ParserHost& host);
    Value computeCopy(std::span<const std::string> args, ParserHost& host);

    char decimalSeparator_;
    int depth_ = 0;
};

// The characters from 1-based position `from`, `count` of them, counting UTF-8 characters;
// positions outside the text give less or nothing, as COPY does.
std::string copyCharacters(std::string_view text, std::int64_t from, std::int64_t count);

}  // namespace expression
