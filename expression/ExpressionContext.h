// What expressions need from the report being prepared. The report (or the preparation
// engine acting for it) implements this; every answer has a neutral default so a context can
// serve only what it knows.
#pragma once

#include "expression/DatasetAccess.h"
#include "expression/ExpressionValue.h"
#include "expression/VariablesGlobal.h"

#include <optional>
#include <span>
#include <string>

namespace expression {

enum class BuiltinVariable {
    PageNumber,     // PAGE#: current page, from 1
    Date,           // DATE: taken at the start of preparation
    Time,           // TIME: likewise
    LineNumber,     // LINE#: record number of the current band
    LineThrough,    // LINETHROUGH#: record number through groups
    ColumnNumber,   // COLUMN#: ColumnNo
    CurrentRecord,  // CURRENT#: RecordNo
    TotalPages,     // TOTALPAGES: pages of the first pass
    CalcWidth,      // CALCWIDTH: width a memo's text needs, else the object's width
    CurY,           // CURY: NextY
    FreeSpace,      // FREESPACE: BottomLimit - NextY
    FinalPass,      // FINALPASS
    PageHeight,     // PAGEHEIGHT: BottomLimit
    PageWidth,      // PAGEWIDTH: page area Right
};

class ExpressionContext {
public:
    virtual ~ExpressionContext() = default;

    // The report's get-value event; true when it answered.
    virtual bool getValueEvent(const std::string& /*name*/, Value& /*value*/) { return false; }

    // The data dictionary's variable of that name: its expression text.
    virtual std::optional<std::string> dictionaryVariable(const std::string& /*name*/) const {
        return std::nullopt;
    }
    // The dictionary's field aliases: the real data set or field name for an alias, else the
    // name itself.
    virtual std::string fieldAlias(const std::string& name) const { return name; }

    // The data set component named by `path`: "kb1" among the owner form's components,
    // "Form.kb1" a component of a global form, "Form.Panel.kb1" one nested once more.
    // nullptr when there is none; may throw when the lookup itself fails.
    virtual DatasetAccess* findDatasetComponent(const std::string& /*path*/) const { return nullptr; }

    // A built-in variable; nullopt when it has no value here (outside preparation).
    virtual std::optional<Value> builtinVariable(BuiltinVariable /*which*/) const { return std::nullopt; }

    // The property `propertyName` ("Left", "Font.Size") of the report object `objectName`.
    virtual std::optional<Value> objectProperty(const std::string& /*objectName*/,
                                                const std::string& /*propertyName*/) const {
        return std::nullopt;
    }

    // AVG, COUNT, SUM, MAX, MIN over the band being printed; the arguments are expression
    // texts. nullopt when no band can answer.
    virtual std::optional<Value> aggregate(const std::string& /*upperName*/,
                                           std::span<const std::string> /*arguments*/) {
        return std::nullopt;
    }

    // The report's user-function event, asked for functions the library does not serve.
    virtual bool userFunctionEvent(const std::string& /*upperName*/, std::span<const Value> /*arguments*/,
                                   Value& /*result*/) {
        return false;
    }

    // The global value list.
    virtual const Variables& globalVariables() const { return Variables::global(); }
};

}  // namespace expression
