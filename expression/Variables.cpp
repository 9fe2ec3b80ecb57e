#include "expression/Variables.h"

#include "expression/ExpressionError.h"

#include <array>
#include <exception>
#include <utility>

namespace expression {

namespace {

struct BuiltinEntry {
    std::string_view name;
    BuiltinVariable variable;
    bool pageState;  // answered after the global list (CURY .. PAGEWIDTH)
};

constexpr std::array<BuiltinEntry, 14> kBuiltins = {{
    {"PAGE#", BuiltinVariable::PageNumber, false},
    {"DATE", BuiltinVariable::Date, false},
    {"TIME", BuiltinVariable::Time, false},
    {"LINE#", BuiltinVariable::LineNumber, false},
    {"LINETHROUGH#", BuiltinVariable::LineThrough, false},
    {"COLUMN#", BuiltinVariable::ColumnNumber, false},
    {"CURRENT#", BuiltinVariable::CurrentRecord, false},
    {"TOTALPAGES", BuiltinVariable::TotalPages, false},
    {"CALCWIDTH", BuiltinVariable::CalcWidth, false},
    {"CURY", BuiltinVariable::CurY, true},
    {"FREESPACE", BuiltinVariable::FreeSpace, true},
    {"FINALPASS", BuiltinVariable::FinalPass, true},
    {"PAGEHEIGHT", BuiltinVariable::PageHeight, true},
    {"PAGEWIDTH", BuiltinVariable::PageWidth, true},
}};

const BuiltinEntry* findBuiltin(std::string_view name) {
    for (const BuiltinEntry& e : kBuiltins)
        if (equalsIgnoringCase(e.name, name)) return &e;
    return nullptr;
}

// Position of the last "." that is not inside double quotes, or npos.
std::size_t lastUnquotedDot(std::string_view name) {
    std::size_t dot = std::string_view::npos;
    bool quoted = false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '"')
            quoted = !quoted;
        else if (name[i] == '.' && !quoted)
            dot = i;
    }
    return dot;
}

std::string unquoted(std::string_view s) {
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"') s = s.substr(1, s.size() - 2);
    return std::string(s);
}

Value nullFieldValue(DataFieldType type) {
    switch (type) {
        case DataFieldType::String:
            return Value(std::string());
        case DataFieldType::Boolean:
            return Value(false);
        default:
            return Value(std::int64_t{0});
    }
}

// Removes `name` from the in-progress set when the evaluation of it ends, however it ends.
class InProgress {
public:
    InProgress(std::unordered_set<std::string>& set, const std::string& name)
        : set_(set), it_(set.insert(name).first) {}
    ~InProgress() { set_.erase(it_); }
    InProgress(const InProgress&) = delete;
    InProgress& operator=(const InProgress&) = delete;

private:
    std::unordered_set<std::string>& set_;
    std::unordered_set<std::string>::iterator it_;
};

}  // namespace

std::optional<BuiltinVariable> builtinVariableNamed(std::string_view name) {
    const BuiltinEntry* e = findBuiltin(name);
    return e ? std::optional(e->variable) : std::nullopt;
}

Value dataFieldValue(DatasetAccess& dataSet, const std::string& fieldName) {
    if (!dataSet.isOpen()) dataSet.open();
    const int field = dataSet.fieldIndex(fieldName);
    if (field < 0) throw ExpressionError("Field '" + fieldName + "' not found");
    const DataFieldType type = dataSet.fieldType(field);
    if (dataSet.fieldHasGetTextHandler(field) || type == DataFieldType::LargeInt)
        return Value(dataSet.fieldDisplayText(field));
    Value value = dataSet.fieldValue(field);
    return value.isEmpty() ? nullFieldValue(type) : value;
}

Value VariableLookup::valueOf(const std::string& name, ExpressionParser& parser, ParserHost& host) {
    if (depth_ == 0) dictionaryValues_.clear();
    struct Nesting {
        int& depth;
        explicit Nesting(int& d) : depth(d) { ++depth; }
        ~Nesting() { --depth; }
    } nesting(depth_);
    Value value;
    if (context_.getValueEvent(name, value)) return value;
    if (auto v = fromDictionary(name, parser, host)) return std::move(*v);
    if (equalsIgnoringCase(name, "VALUE")) return currentValue_;
    const BuiltinEntry* builtin = findBuiltin(name);
    if (builtin && !builtin->pageState)
        if (auto v = context_.builtinVariable(builtin->variable)) return std::move(*v);
    if (auto v = context_.globalVariables().find(name)) return std::move(*v);
    if (builtin && builtin->pageState)
        if (auto v = context_.builtinVariable(builtin->variable)) return std::move(*v);
    if (auto v = fromPageState(name)) return std::move(*v);
    return asExpression(name, parser, host);
}

std::optional<Value> VariableLookup::fromDictionary(const std::string& name, ExpressionParser& parser,
                                                    ParserHost& host) {
    if (const auto cached = cache_.find(name); cached != cache_.end())
        return dataFieldValue(*cached->second.dataSet, cached->second.field);
    if (auto text = context_.dictionaryVariable(name)) {
        if (auto field = resolveField(*text)) {
            const auto& entry = cache_.insert_or_assign(name, *field).first->second;
            return dataFieldValue(*entry.dataSet, entry.field);
        }
        return dictionaryExpression(name, *text, parser, host);
    }
    if (auto field = resolveField(name)) {
        const auto& entry = cache_.insert_or_assign(name, *field).first->second;
        return dataFieldValue(*entry.dataSet, entry.field);
    }
    return std::nullopt;
}

// A dictionary variable that is an expression, computed once per outermost lookup; one that
// comes back to itself stands for nothing.
Value VariableLookup::dictionaryExpression(const std::string& name, const std::string& expression,
                                           ExpressionParser& parser, ParserHost& host) {
    if (const auto known = dictionaryValues_.find(name); known != dictionaryValues_.end())
        return known->second;
    if (inProgress_.contains(name)) throw ExpressionError(messages::undefinedSymbol(name));
    InProgress guard(inProgress_, name);
    Value value = parser.evaluate(expression, host);
    dictionaryValues_.insert_or_assign(name, value);
    return value;
}

// "dataset.field" or "dataset."field"" with the data set naming a component that has the
// field; nullopt when the name is not such a reference.
std::optional<VariableLookup::FieldReference> VariableLookup::resolveField(const std::string& name) const {
    const std::size_t dot = lastUnquotedDot(name);
    if (dot == std::string_view::npos || dot == 0) return std::nullopt;
    const std::string component = context_.fieldAlias(name.substr(0, dot));
    const std::string field = context_.fieldAlias(unquoted(std::string_view(name).substr(dot + 1)));
    DatasetAccess* dataSet = nullptr;
    try {
        dataSet = context_.findDatasetComponent(component);
    } catch (const std::exception&) {
        throw ExpressionError(messages::missingComponent(component));
    }
    if (!dataSet) return std::nullopt;
    if (dataSet->fieldIndex(field) < 0) return std::nullopt;
    return FieldReference{dataSet, field};
}

// An object's property ("Memo1.Left") or a blob-type name.
std::optional<Value> VariableLookup::fromPageState(const std::string& name) const {
    const std::size_t dot = name.find('.');
    if (dot != std::string::npos && dot > 0 && dot + 1 < name.size())
        if (auto v = context_.objectProperty(name.substr(0, dot), name.substr(dot + 1))) return v;
    for (const auto& [blobName, code] : kBlobTypeNames)
        if (equalsIgnoringCase(blobName, name)) return Value(code);
    return std::nullopt;
}

// The name is computed as an expression, once: meeting it again while it is being computed
// means it stands for nothing.
Value VariableLookup::asExpression(const std::string& name, ExpressionParser& parser, ParserHost& host) {
    if (inProgress_.contains(name)) throw ExpressionError(messages::undefinedSymbol(name));
    InProgress guard(inProgress_, name);
    return parser.evaluate(name, host);
}

}  // namespace expression
