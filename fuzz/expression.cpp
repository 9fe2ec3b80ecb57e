// Expressions with a data dictionary: lines "@NAME=expression" define dictionary variables,
// every other line is a memo line whose [..] parts are expanded.
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "report/ExpressionReportHost.h"
#include "report/Report.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    report::Report report;
    std::vector<std::string> memo;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(start, end - start);
        const std::size_t equals = line.find('=');
        if (line.starts_with('@') && equals != std::string_view::npos)
            report.dictionary.variables.emplace_back(std::string(line.substr(1, equals - 1)),
                                                     std::string(line.substr(equals + 1)));
        else
            memo.emplace_back(line);
        start = end + 1;
    }
    report::ReportExpressions expressions(report);
    for (const std::string& line : memo) {
        try {
            (void)expressions.evaluator().expandLine(line);
        } catch (const std::exception&) {
            // Unknown names, bad syntax and the like end one line's expansion with a message.
        }
    }
    return 0;
}
