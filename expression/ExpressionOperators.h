// The operators of expressions: their binding and what they compute.
#pragma once

#include "expression/ExpressionValue.h"

#include <optional>
#include <string_view>

namespace expression {

enum class Operator {
    add,
    Subtract,
    Multiply,
    Divide,
    Mod,
    And,
    Or,  // binary
    Equal,
    NotEqual,
    Less,
    Greater,
    LessEqual,
    GreaterEqual,
    Not,
    Negate,
    Identity,
    Int,
    Frac,
    Round,
    Str,  // prefix
};

struct OperatorInfo {
    int priority;  // 0 binds tightest
    bool prefix;   // takes one operand, written before it
};

OperatorInfo operatorInfo(Operator op);

// Keyword operators (AND, OR, NOT, MOD, INT, FRAC, ROUND, STR), any case.
std::optional<Operator> keywordOperator(std::string_view word);

// "+" joins when both sides are strings and adds otherwise (a string that is not a number
// is joined to the other side's text); "/" and MOD by zero give 0; AND and OR are logical on
// two booleans and bitwise on integers; comparisons give 1 or 0.
Value applyBinary(Operator op, const Value& left, const Value& right, char decimalSeparator);
Value applyPrefix(Operator op, const Value& operand, char decimalSeparator);

}  // namespace expression
