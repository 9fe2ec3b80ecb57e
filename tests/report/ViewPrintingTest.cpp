// Objects printing themselves into a prepared page: expressions, visibility, Suppress,
// highlight, and reading the printed records back.
#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "platform/FixedMetricsCanvas.h"
#include "report/ExpressionHook.h"
#include "report/MemoView.h"
#include "report/TemplateStream.h"
#include "tests/report/ReportTestSupport.h"

using namespace report;

namespace {

// Replaces "[name]" by a value from a table.
class TableExpressions : public ExpressionHost {
public:
    std::map<std::string, std::string> values;
    bool condition = false;

    std::string expand(const std::string& text) const {
        std::string out = text;
        for (const auto& [name, value] : values) {
            const std::string key = "[" + name + "]";
            for (auto at = out.find(key); at != std::string::npos; at = out.find(key, at + value.size()))
                out.replace(at, key.size(), value);
        }
        return out;
    }
    void expandLines(std::vector<std::string>& lines, View&) override {
        for (auto& l : lines) l = expand(l);
    }
    std::string expandText(const std::string& text, View&) override { return expand(text); }
    bool isTrue(const std::string&, View&) override { return condition; }
    std::optional<std::string> evaluateToText(const std::string& e, View&) override { return expand(e); }
    void runScript(const std::vector<std::string>&, View&) override {}
};

std::vector<std::unique_ptr<View>> readBack(const std::vector<std::uint8_t>& bytes) {
    std::vector<std::unique_ptr<View>> views;
    platform::ByteReader in(bytes);
    while (!in.atEnd()) views.push_back(readPrintedObject(in, 24));
    return views;
}

}  // namespace

TEST(ViewPrinting, MemoWritesItsEvaluatedLinesInThePrintingVariant) {
    TableExpressions expressions;
    expressions.values = {{"kb1.\"giorno\"", "01/05/2019"}, {"PAGE#", "3"}};
    MemoView memo;
    memo.setName("Memo1");
    memo.memo = {"Giorno [kb1.\"giorno\"]"};
    memo.tag = "p[PAGE#]";
    memo.highlight.condition = "x";
    platform::ByteWriter out;
    platform::FixedMetricsCanvas measure;
    PrintContext context{out, &expressions, &measure, {}};
    ASSERT_TRUE(memo.print(context));
    EXPECT_EQ(memo.memo, std::vector<std::string>{"Giorno [kb1.\"giorno\"]"});
    EXPECT_EQ(memo.tag, "p[PAGE#]");

    auto views = readBack(out.bytes());
    ASSERT_EQ(views.size(), 1u);
    auto& printed = static_cast<MemoView&>(*views[0]);
    EXPECT_EQ(printed.memo, std::vector<std::string>{"Giorno 01/05/2019"});
    EXPECT_EQ(printed.tag, "p3");
    EXPECT_EQ(printed.name(), "Memo1");
    // The printing variant carries no highlight: the reader keeps its defaults.
    EXPECT_TRUE(printed.highlight.condition.empty());
}

TEST(ViewPrinting, HighlightAppliesOnlyWhenItsConditionHolds) {
    TableExpressions expressions;
    for (bool holds : {false, true}) {
        expressions.condition = holds;
        MemoView memo;
        memo.memo = {"x"};
        memo.highlight.condition = "[v] > 0";
        memo.highlight.fontColor = 0x0000FF;
        memo.highlight.fillColor = 0x00FFFF;
        platform::ByteWriter out;
        PrintContext context{out, &expressions, nullptr, {}};
        memo.print(context);
        auto views = readBack(out.bytes());
        auto& printed = static_cast<MemoView&>(*views.at(0));
        EXPECT_EQ(printed.font.color, holds ? 0x0000FFu : 0u);
        EXPECT_EQ(printed.fillColor, holds ? 0x00FFFFu : platform::kNoColor);
        EXPECT_EQ(printed.font.style, holds ? platform::kBold : 0);
        // The object itself is left as it was.
        EXPECT_EQ(memo.font.color, 0u);
        EXPECT_EQ(memo.fillColor, platform::kNoColor);
    }
}

// The printed record is built beside the object: an expression failing half-way through
// leaves nothing of the highlight, the fitted width or the evaluated tag behind.
TEST(ViewPrinting, AFailingTagExpressionLeavesTheObjectAsItWas) {
    struct FailingTag : TableExpressions {
        std::string expandText(const std::string&, View&) override { throw std::runtime_error("tag"); }
    } expressions;
    expressions.condition = true;
    MemoView memo;
    memo.memo = {"una riga piuttosto lunga"};
    memo.left = 50;
    memo.width = 20;
    memo.height = 10;
    memo.flags |= kMemoAutoWidth;
    memo.highlight.condition = "1";
    memo.highlight.fillColor = 0x00FFFF;
    memo.tag = "[PAGE#]";
    platform::ByteWriter out;
    platform::FixedMetricsCanvas measure;
    PrintContext context{out, &expressions, &measure, {}};
    EXPECT_THROW(memo.print(context), std::runtime_error);
    EXPECT_EQ(memo.box(), (ViewBox{50, 0, 20, 10}));
    EXPECT_EQ(memo.font, MemoFont{});
    EXPECT_EQ(memo.fillColor, platform::kNoColor);
    EXPECT_EQ(memo.tag, "[PAGE#]");
    EXPECT_TRUE(out.bytes().empty());
}

TEST(ViewPrinting, InvisibleObjectsWriteNothing) {
    MemoView memo;
    memo.visible = false;
    platform::ByteWriter out;
    PrintContext context{out, nullptr, nullptr, {}};
    EXPECT_FALSE(memo.print(context));
    EXPECT_TRUE(out.bytes().empty());
}

TEST(ViewPrinting, SuppressPrintsARepeatedValueOnce) {
    TableExpressions expressions;
    MemoView memo;
    memo.memo = {"[v]"};
    memo.flags |= kMemoSuppress;
    platform::ByteWriter out;
    PrintContext context{out, &expressions, nullptr, {}};
    std::vector<bool> written;
    for (const char* v : {"A", "A", "A", "B", "A"}) {
        expressions.values = {{"v", v}};
        written.push_back(memo.print(context));
    }
    EXPECT_EQ(written, (std::vector<bool>{true, false, false, true, true}));
    EXPECT_EQ(readBack(out.bytes()).size(), 3u);
}

TEST(ViewPrinting, StretchedMemoGrowsToItsText) {
    MemoView memo;
    memo.width = 100;
    memo.height = 10;
    memo.memo = {"uno due tre quattro cinque sei"};
    platform::ByteWriter out;
    platform::FixedMetricsCanvas measure;
    PrintContext context{out, nullptr, &measure, {}};
    memo.print(context);
    auto views = readBack(out.bytes());
    // Three lines of 15 plus GapY above and below.
    EXPECT_EQ(views.at(0)->height, 3 * 15 + 2);
    EXPECT_EQ(memo.height, 10);
}

TEST(ViewPrinting, AddInsWriteTheirClassNameAndTail) {
    report_test::FakeBarcodeRegistration reg;
    report_test::FakeBarcodeView bar;
    bar.memo = {"[v]"};
    bar.modul = 3;
    TableExpressions expressions;
    expressions.values = {{"v", "ABC"}};
    platform::ByteWriter out;
    PrintContext context{out, &expressions, nullptr, {}};
    ASSERT_TRUE(bar.print(context));
    auto views = readBack(out.bytes());
    auto& printed = dynamic_cast<report_test::FakeBarcodeView&>(*views.at(0));
    EXPECT_EQ(printed.memo, std::vector<std::string>{"ABC"});
    EXPECT_EQ(printed.modul, 3);
}

TEST(ViewPrinting, UnregisteredAddInInAPrintedPageIsNamed) {
    platform::ByteWriter out;
    {
        report_test::FakeBarcodeRegistration reg;
        report_test::FakeBarcodeView bar;
        PrintContext context{out, nullptr, nullptr, {}};
        bar.print(context);
    }
    platform::ByteReader in(out.bytes());
    std::string missing;
    EXPECT_EQ(readPrintedObject(in, 24, &missing), nullptr);
    EXPECT_EQ(missing, "TfrBarCodeView");
}
