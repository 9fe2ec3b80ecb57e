// Expressions of a Report: serves the objects' evaluation calls while they print, and
// answers the evaluator's lookups from the report (dictionary, the owner's components,
// objects' properties) and from the page state the preparation engine keeps current.
#pragma once

#include "expression/ExpressionContext.h"
#include "expression/ExpressionEvaluator.h"
#include "report/DatasetRegistry.h"
#include "report/ExpressionHook.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace report {

class Report;

// Values of the built-in variables; the preparation engine updates them as it goes.
struct PreparationVariables {
    int pageNumber = 1;
    expression::DateTime date;  // taken once at the start of preparation
    expression::DateTime time;
    int lineNumber = 0;  // record number of the current band
    int lineThrough = 0;
    int columnNumber = 1;  // ColumnNo
    int recordNumber = 1;  // RecordNo
    int totalPages = 0;    // pages of the first pass
    int curY = 0;          // NextY
    int bottomLimit = 0;
    int pageRight = 0;  // page area Right
    bool finalPass = true;
};

class ReportExpressions : public ExpressionHost, public expression::ExpressionContext {
public:
    explicit ReportExpressions(Report& report);

    PreparationVariables& variables() { return variables_; }
    expression::ExpressionEvaluator& evaluator() { return evaluator_; }
    // At the start of every preparation: forgets cached field references.
    void startPreparation() { evaluator_.clearCache(); }

    // ExpressionHost (objects printing themselves)
    void expandLines(std::vector<std::string>& lines, View& view) override;
    std::string expandText(const std::string& text, View& view) override;
    bool isTrue(const std::string& condition, View& view) override;
    std::optional<std::string> evaluateToText(const std::string& expression, View& view) override;
    // No template of this system has a script; script lines are not interpreted.
    void runScript(const std::vector<std::string>& script, View& view) override;

    // ExpressionContext (the evaluator's lookups)
    std::optional<std::string> dictionaryVariable(const std::string& name) const override;
    std::string fieldAlias(const std::string& name) const override;
    expression::DatasetAccess* findDatasetComponent(const std::string& path) const override;
    std::optional<expression::Value> builtinVariable(expression::BuiltinVariable which) const override;
    std::optional<expression::Value> objectProperty(const std::string& objectName,
                                                    const std::string& propertyName) const override;

private:
    expression::ObjectDisplay displayOf(const View& view) const;

    Report& report_;
    expression::ExpressionEvaluator evaluator_;
    PreparationVariables variables_;
    View* current_ = nullptr;
    mutable RegistryDatasetComponents components_;
};

}  // namespace report
