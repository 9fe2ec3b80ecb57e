#include "expression/ExpressionEvaluator.h"

#include "expression/ExpressionError.h"
#include "expression/ExpressionExpand.h"
#include "expression/ExpressionFunctions.h"

namespace expression {

ExpressionEvaluator::ExpressionEvaluator(ExpressionContext& context, char decimalSeparator)
    : context_(context), parser_(decimalSeparator), variables_(context) {}

Value ExpressionEvaluator::calculate(std::string_view expression) {
    return parser_.evaluate(expression, *this);
}

std::string ExpressionEvaluator::displayText(std::string_view expression, const ObjectDisplay& display) {
    const ExpressionWithFormat split = splitInlineFormat(expression);
    std::optional<DisplayFormat> inlineFormat;
    if (split.format) inlineFormat = parseInlineFormat(*split.format);
    Value value = calculate(split.expression);
    variables_.setCurrentValue(value);
    const bool number = value.kind() == Value::Kind::Integer || value.kind() == Value::Kind::Float;
    if (display.hideZeros && number && value.toDouble() == 0.0) return {};
    return formatValue(value, inlineFormat ? *inlineFormat : display.format);
}

std::string ExpressionEvaluator::expandLine(std::string_view line, const ObjectDisplay& display) {
    return expression::expandLine(line, [&](std::string_view e) { return displayText(e, display); });
}

std::vector<std::string> ExpressionEvaluator::expandMemo(const std::vector<std::string>& memo, bool textOnly,
                                                         const ObjectDisplay& display) {
    return expression::expandMemo(memo, textOnly,
                                  [&](std::string_view e) { return displayText(e, display); });
}

Value ExpressionEvaluator::valueOf(const std::string& name) {
    return variables_.valueOf(name, parser_, *this);
}

// Library functions first, then aggregates from the context, then the user-function event.
Value ExpressionEvaluator::callFunction(const std::string& upperName,
                                        std::span<const std::string> arguments) {
    const FunctionInfo* function = findLibraryFunction(upperName);
    if (function && function->kind == FunctionKind::Aggregate) {
        if (auto v = context_.aggregate(upperName, arguments)) return std::move(*v);
        throw ExpressionError("Funzione non disponibile fuori da una banda: " + upperName);
    }
    std::vector<Value> values;
    values.reserve(arguments.size());
    for (const std::string& argument : arguments) values.push_back(calculate(argument));
    if (function) return callLibraryFunction(*function, values, parser_.decimalSeparator());
    Value result;
    if (context_.userFunctionEvent(upperName, values, result)) return result;
    throw ExpressionError(messages::undefinedSymbol(upperName));
}

}  // namespace expression
