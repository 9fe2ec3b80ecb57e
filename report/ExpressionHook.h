// What report objects need from the expression evaluator when they print themselves into a
// prepared page: the evaluator lives beside them in this folder and implements this interface,
// so objects depend only on these few calls.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace report {

class View;

class ExpressionHost {
public:
    virtual ~ExpressionHost() = default;
    // Replaces each expression in square brackets of every line by its value, formatted for
    // `view` (its display format and HideZeros); a value holding line breaks becomes several
    // lines.
    virtual void expandLines(std::vector<std::string>& lines, View& view) = 0;
    // The same for one text (the Tag).
    virtual std::string expandText(const std::string& text, View& view) = 0;
    // Evaluates a condition (the memo highlight); true when it is non-zero.
    virtual bool isTrue(const std::string& condition, View& view) = 0;
    // Evaluates one whole expression to text; nullopt when the evaluation fails.
    virtual std::optional<std::string> evaluateToText(const std::string& expression, View& view) = 0;
    // Runs the object's script lines before it prints.
    virtual void runScript(const std::vector<std::string>& script, View& view) = 0;
};

}  // namespace report
