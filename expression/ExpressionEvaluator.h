// Evaluates the expressions of report objects against a report: computes values with the
// parser, resolves names through the variable lookup, calls library functions and formats
// results for display. One evaluator serves one preparation (or one drawing pass).
#pragma once

#include "expression/ExpressionContext.h"
#include "expression/ExpressionParser.h"
#include "expression/Format.h"
#include "expression/Variables.h"

#include <string>
#include <string_view>
#include <vector>

namespace expression {

// How an object shows its values: its FormatCode/FormatText and the HideZeros flag.
struct ObjectDisplay {
    DisplayFormat format{FormatCode::objectDefault(), {}};
    bool hideZeros = false;
};

class ExpressionEvaluator : public ParserHost {
public:
    explicit ExpressionEvaluator(ExpressionContext& context,
                                 char decimalSeparator = kDefaultDecimalSeparator);

    // The value of an expression (no brackets around it).
    Value calculate(std::string_view expression);

    // The display text of a bracketed expression: an inline " #" format or the object's,
    // HideZeros, and VALUE remembered for the object.
    std::string displayText(std::string_view expression, const ObjectDisplay& display = {});

    // A memo line or tag with each [..] replaced by its display text.
    std::string expandLine(std::string_view line, const ObjectDisplay& display = {});
    // The working lines of a memo.
    std::vector<std::string> expandMemo(const std::vector<std::string>& memo, bool textOnly,
                                        const ObjectDisplay& display = {});

    // Called at the start of every preparation.
    void clearCache() { variables_.clearCache(); }
    const Value& lastValue() const { return variables_.currentValue(); }

    // ParserHost
    Value valueOf(const std::string& name) override;
    Value callFunction(const std::string& upperName, std::span<const std::string> arguments) override;

private:
    ExpressionContext& context_;
    ExpressionParser parser_;
    VariableLookup variables_;
};

}  // namespace expression
