// How a name in an expression becomes a value: the lookup chain over the get-value event,
// the data dictionary and data set fields, VALUE, built-in variables, the global list, page
// state, object properties and blob-type names, and last the name as an expression itself.
#pragma once

#include "expression/ExpressionContext.h"
#include "expression/ExpressionParser.h"
#include "expression/ExpressionValue.h"

#include <map>
#include <string>
#include <unordered_set>

namespace expression {

class VariableLookup {
public:
    explicit VariableLookup(ExpressionContext& context) : context_(context) {}

    // The value of `name`. Dictionary variables and names that are expressions are computed
    // with `parser` for `host`. Throws ExpressionError("Simbolo non definito \"name\"") when
    // the name means nothing, and "Missing " + component when a component lookup fails.
    Value valueOf(const std::string& name, ExpressionParser& parser, ParserHost& host);

    // The preparation empties the field cache at its start, as data sets may have changed.
    void clearCache() { cache_.clear(); }
    // VALUE: what the current object computed last.
    void setCurrentValue(Value value) { currentValue_ = std::move(value); }
    const Value& currentValue() const { return currentValue_; }

private:
    struct FieldReference {
        DatasetAccess* dataSet = nullptr;
        std::string field;
    };

    std::optional<Value> fromDictionary(const std::string& name, ExpressionParser& parser, ParserHost& host);
    Value dictionaryExpression(const std::string& name, const std::string& expression,
                               ExpressionParser& parser, ParserHost& host);
    std::optional<FieldReference> resolveField(const std::string& name) const;
    std::optional<Value> fromPageState(const std::string& name) const;
    Value asExpression(const std::string& name, ExpressionParser& parser, ParserHost& host);

    ExpressionContext& context_;
    std::map<std::string, FieldReference, std::less<>> cache_;
    std::unordered_set<std::string> inProgress_;
    // Dictionary variables already computed during the current lookup: each is evaluated once
    // however often the variables built on it name it. Emptied when a new outermost lookup
    // starts, as values follow the current record.
    std::map<std::string, Value, std::less<>> dictionaryValues_;
    int depth_ = 0;
    Value currentValue_;
};

// The value a field shows to expressions: the display text for fields with a get-text
// handler or of the 64-bit integer type, else the value; null is "" for strings, false for
// logical fields and 0 otherwise. A closed data set is opened first.
Value dataFieldValue(DatasetAccess& dataSet, const std::string& fieldName);

// The built-in variable a name means (any case): PAGE#, DATE, ... , PAGEWIDTH.
std::optional<BuiltinVariable> builtinVariableNamed(std::string_view name);

}  // namespace expression
