// Expressions of a whole report: objects expand [kb1."giorno"] from the owner's print list,
// see dictionary variables and other objects' properties, and follow TextOnly and HideZeros.
#include "expression/ExpressionError.h"
#include "memtable/StandardTables.h"
#include "report/ComponentRegistry.h"
#include "report/ExpressionReportHost.h"
#include "report/MemoView.h"
#include "report/Page.h"
#include "report/Report.h"

#include <gtest/gtest.h>

using namespace report;
using namespace expression;

namespace {

class ReportExpressionsTest : public ::testing::Test {
protected:
    ReportExpressionsTest() {
        kb1->open();
        kb1->append();
        kb1->setFieldText("giorno", "0123456789");
        kb1->post();
        kb1->first();
        components.add("kb1", kb1.get());
        report.components = &components;
        report.name = "frReport1";
        auto view = std::make_unique<MemoView>();
        view->setName("Memo1");
        view->left = 37;
        memo = static_cast<MemoView*>(report.addPage().addObject(std::move(view)));
    }

    std::vector<std::string> expand(std::vector<std::string> lines) {
        expressions.expandLines(lines, *memo);
        return lines;
    }

    std::unique_ptr<memtable::MemTable> kb1 = memtable::makePrintListTable();
    ComponentRegistry components;
    Report report;
    MemoView* memo = nullptr;
    ReportExpressions expressions{report};
};

TEST_F(ReportExpressionsTest, PrintListFieldThroughTheOwnersComponents) {
    EXPECT_EQ(expand({"[kb1.\"giorno\"]"}), std::vector<std::string>{"0123456789"});
    EXPECT_EQ(expressions.evaluateToText("kb1.\"giorno\"", *memo), "0123456789");
    EXPECT_EQ(expressions.evaluateToText("kb2.\"codice\"", *memo), std::nullopt);  // no such component
}

TEST_F(ReportExpressionsTest, DictionaryPropertiesAndPageState) {
    report.dictionary.variables.push_back({"Etichetta", "kb1.\"giorno\""});
    report.dictionary.variables.push_back({"Doppia", "[Etichetta] + [Etichetta]"});
    expressions.variables().pageNumber = 2;
    EXPECT_EQ(expand({"[Doppia]", "[Memo1.Left] [PAGE#]"}),
              (std::vector<std::string>{"01234567890123456789", "37 2"}));
}

TEST_F(ReportExpressionsTest, TextOnlyAndHideZerosOfMemos) {
    memo->flags |= kMemoHideZeros;
    EXPECT_EQ(expand({"[0]|[1]"}), std::vector<std::string>{"|1"});
    memo->flags |= kMemoTextOnly;
    EXPECT_EQ(expand({"[0]"}), std::vector<std::string>{"[0]"});
}

TEST_F(ReportExpressionsTest, ObjectFormatApplies) {
    memo->formatCode = FormatCode::make(FormatCategory::Number, 1, 3, '.').code;
    EXPECT_EQ(expand({"[1/4]"}), std::vector<std::string>{"0.250"});
    EXPECT_TRUE(expressions.isTrue("2 > 1", *memo));
    EXPECT_THROW(expand({"[nessuno]"}), ExpressionError);
}

}  // namespace
