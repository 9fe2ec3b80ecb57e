// Text search over prepared pages: drawing order, case rules, starting page, the resume point
// behind a match, and the end of the report.
#include <gtest/gtest.h>

#include "prepared/TextSearch.h"
#include "tests/gui/preview/PreviewTestPages.h"

namespace {

using prepared::TextSearchState;

struct Search : ::testing::Test {
    preview_test::TestPages t{6, false};
    TextSearchState state;

    void SetUp() override {
        t.print(1, "Ricetta rossa", 100, 300);
        t.print(1, "ricetta bianca", 100, 100);  // drawn after, though higher on the page
        t.print(4, "RICETTA", 400, 200);
    }
    bool find(const std::string& text, bool caseSensitive = false, bool fromFirst = true, int current = 0) {
        prepared::beginSearch(state, text, caseSensitive, fromFirst, current);
        return prepared::findNext(t.pages, state);
    }
};

TEST_F(Search, TwoMatchesOnAPageComeInDrawingOrderThenTheNextPage) {
    ASSERT_TRUE(find("ricetta"));
    EXPECT_EQ(state.foundPage, 1);
    const platform::Rect first = state.foundRect;
    ASSERT_TRUE(prepared::findNext(t.pages, state));
    EXPECT_EQ(state.foundPage, 1);
    EXPECT_LT(state.foundRect.top, first.top);  // the second drawn lies higher
    ASSERT_TRUE(prepared::findNext(t.pages, state));
    EXPECT_EQ(state.foundPage, 4);
    EXPECT_FALSE(prepared::findNext(t.pages, state));
    EXPECT_EQ(state.startPage, t.pages.count());
    EXPECT_FALSE(state.found);
}

TEST_F(Search, CaseRules) {
    struct Case {
        const char* text;
        bool caseSensitive;
        int page;
    } cases[] = {
        {"RICETTA ROSSA", false, 1}, {"ricetta ROSSA", false, 1},
        {"Ricetta rossa", true, 1},  {"ricetta rossa", true, -1},
        {"RICETTA", true, 4},        {"ricetta", true, 1},  // "ricetta bianca"
        {"foglio 5", false, 4},      {"", false, -1},
    };
    for (const Case& c : cases) {
        state = {};
        const bool found = find(c.text, c.caseSensitive);
        EXPECT_EQ(found ? state.foundPage : -1, c.page) << c.text << " " << c.caseSensitive;
    }
}

TEST_F(Search, AccentedLettersIgnoreCaseToo) {
    t.print(3, "Proprietà", 10, 500);
    EXPECT_TRUE(find("PROPRIETÀ"));
    EXPECT_EQ(state.foundPage, 3);
    EXPECT_EQ(prepared::searchUpperCase("àèéìòù ÿ ß"), "ÀÈÉÌÒÙ Ÿ ß");
}

TEST_F(Search, OriginFirstPageOrCurrentPage) {
    ASSERT_TRUE(find("foglio", false, false, 4));
    EXPECT_EQ(state.foundPage, 4);
    // From the first page whatever the current page.
    ASSERT_TRUE(find("foglio", false, true, 4));
    EXPECT_EQ(state.foundPage, 0);
    // From the current page right behind a match there: the search continues behind it.
    ASSERT_TRUE(find("ricetta", false, false, 1));
    const platform::Rect first = state.foundRect;
    ASSERT_TRUE(find("ricetta", false, false, 1));
    EXPECT_NE(state.foundRect, first);
}

TEST_F(Search, NoSearchedPageKeepsItsObjects) {
    ASSERT_TRUE(find("RICETTA", true));
    for (int i = 0; i < t.pages.count(); ++i) EXPECT_EQ(t.pages.page(i).loadedPage, nullptr) << i;
}

TEST_F(Search, TheFoundRectangleIsWhereThePageShowsTheText) {
    // Pages drawn without their margins sit in the printable area less the margins.
    ASSERT_FALSE(t.pages.page(4).useMargins);
    ASSERT_TRUE(find("RICETTA", true));
    const auto& page = t.pages.page(4);
    const platform::Rect content = prepared::pageContentRect(page, {0, 0, 1000, 1000}, 1.0);
    EXPECT_EQ(content.left, page.geometry.offsetXPx + page.margins.left);
    // Objects are scaled from the paper into the content rectangle.
    const double sx = double(content.width()) / page.geometry.paperWidthPx;
    const double sy = double(content.height()) / page.geometry.paperHeightPx;
    EXPECT_NEAR(state.foundRect.left, content.left + 400 * sx, 6);
    EXPECT_NEAR(state.foundRect.top, content.top + 200 * sy, 6);
}

}  // namespace
