#include "report/ExpressionReportHost.h"

#include "report/MemoView.h"
#include "report/Report.h"

namespace report {

namespace {

const std::string* findNamed(const NamedValues& list, const std::string& name) {
    for (const auto& [key, value] : list)
        if (expression::equalsIgnoringCase(key, name)) return &value;
    return nullptr;
}

expression::Value fromProperty(const PropertyValue& p) {
    return std::visit(
        [](const auto& v) -> expression::Value {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>)
                return expression::Value();
            else if constexpr (std::is_same_v<T, long long>)
                return expression::Value(static_cast<std::int64_t>(v));
            else
                return expression::Value(v);
        },
        p);
}

// Sets and clears the object being evaluated, however the evaluation ends.
class CurrentObject {
public:
    CurrentObject(View*& slot, View& view) : slot_(slot), previous_(slot) { slot_ = &view; }
    ~CurrentObject() { slot_ = previous_; }
    CurrentObject(const CurrentObject&) = delete;
    CurrentObject& operator=(const CurrentObject&) = delete;

private:
    View*& slot_;
    View* previous_;
};

}  // namespace

ReportExpressions::ReportExpressions(Report& report) : report_(report), evaluator_(*this) {}

expression::ObjectDisplay ReportExpressions::displayOf(const View& view) const {
    expression::ObjectDisplay display;
    display.format = expression::DisplayFormat{expression::FormatCode{view.formatCode}, view.formatText};
    display.hideZeros = view.objectType() == kMemoObject && (view.flags & kMemoHideZeros) != 0;
    return display;
}

void ReportExpressions::expandLines(std::vector<std::string>& lines, View& view) {
    CurrentObject current(current_, view);
    const bool textOnly = view.objectType() == kMemoObject && (view.flags & kMemoTextOnly) != 0;
    lines = evaluator_.expandMemo(lines, textOnly, displayOf(view));
}

std::string ReportExpressions::expandText(const std::string& text, View& view) {
    CurrentObject current(current_, view);
    return evaluator_.expandLine(text, displayOf(view));
}

bool ReportExpressions::isTrue(const std::string& condition, View& view) {
    CurrentObject current(current_, view);
    return evaluator_.calculate(condition).toDouble() != 0.0;
}

std::optional<std::string> ReportExpressions::evaluateToText(const std::string& expression, View& view) {
    CurrentObject current(current_, view);
    try {
        return evaluator_.displayText(expression, displayOf(view));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

void ReportExpressions::runScript(const std::vector<std::string>&, View&) {}

std::optional<std::string> ReportExpressions::dictionaryVariable(const std::string& name) const {
    if (const std::string* text = findNamed(report_.dictionary.variables, name)) return *text;
    return std::nullopt;
}

std::string ReportExpressions::fieldAlias(const std::string& name) const {
    const std::string* real = findNamed(report_.dictionary.fieldAliases, name);
    return real && !real->empty() ? *real : name;
}

// Components are registered by name, either as data sets or as memory tables.
expression::DatasetAccess* ReportExpressions::findDatasetComponent(const std::string& path) const {
    components_.setRegistry(report_.components);
    return components_.findDataset(path);
}

std::optional<expression::Value> ReportExpressions::builtinVariable(expression::BuiltinVariable which) const {
    const PreparationVariables& v = variables_;
    switch (which) {
        case expression::BuiltinVariable::PageNumber:
            return expression::Value(v.pageNumber);
        case expression::BuiltinVariable::Date:
            return expression::Value(v.date);
        case expression::BuiltinVariable::Time:
            return expression::Value(v.time);
        case expression::BuiltinVariable::LineNumber:
            return expression::Value(v.lineNumber);
        case expression::BuiltinVariable::LineThrough:
            return expression::Value(v.lineThrough);
        case expression::BuiltinVariable::ColumnNumber:
            return expression::Value(v.columnNumber);
        case expression::BuiltinVariable::CurrentRecord:
            return expression::Value(v.recordNumber);
        case expression::BuiltinVariable::TotalPages:
            return expression::Value(v.totalPages);
        // The width the text needs is known only to the memo's layout; the object's width stands in.
        case expression::BuiltinVariable::CalcWidth:
            return current_ ? std::optional(expression::Value(current_->width)) : std::nullopt;
        case expression::BuiltinVariable::CurY:
            return expression::Value(v.curY);
        case expression::BuiltinVariable::FreeSpace:
            return expression::Value(v.bottomLimit - v.curY);
        case expression::BuiltinVariable::FinalPass:
            return expression::Value(v.finalPass);
        case expression::BuiltinVariable::PageHeight:
            return expression::Value(v.bottomLimit);
        case expression::BuiltinVariable::PageWidth:
            return expression::Value(v.pageRight);
    }
    return std::nullopt;
}

std::optional<expression::Value> ReportExpressions::objectProperty(const std::string& objectName,
                                                                   const std::string& propertyName) const {
    const View* view = report_.findObject(objectName);
    if (!view) return std::nullopt;
    const PropertyValue p = view->property(propertyName);
    if (std::holds_alternative<std::monostate>(p)) return std::nullopt;
    return fromProperty(p);
}

}  // namespace report
