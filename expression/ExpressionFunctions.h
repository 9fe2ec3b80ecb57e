// The built-in function library of expressions (names case-insensitive).
#pragma once

#include "expression/ExpressionValue.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace expression {

enum class FunctionKind {
    Plain,      // computed here from the argument values
    Aggregate,  // AVG COUNT SUM MAX MIN: need the band being printed; served by the context
};

struct FunctionInfo {
    std::string_view name;
    int minArguments;
    int maxArguments;
    FunctionKind kind;
};

// The library's entry for an upper-case name, or nullptr when the library does not serve it.
const FunctionInfo* findLibraryFunction(std::string_view upperName);

// Computes a Plain library function; throws ExpressionError on a wrong argument count.
Value callLibraryFunction(const FunctionInfo& function, std::span<const Value> arguments,
                          char decimalSeparator);

}  // namespace expression
