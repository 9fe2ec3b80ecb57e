// Page lists as the operator types them into the print dialog, and the integer conversion
// shared with the copies field.
#include "prepared/PageList.h"

#include <gtest/gtest.h>

#include "platform/Error.h"

namespace prepared {
namespace {

std::set<int> pagesFromTo(int first, int last) {
    std::set<int> out;
    for (int n = first; n <= last; ++n) out.insert(n);
    return out;
}

std::set<int> operator+(std::set<int> a, const std::set<int>& b) {
    a.insert(b.begin(), b.end());
    return a;
}

struct ListCase {
    const char* text;
    int pageCount;
    std::set<int> numbers;
};

TEST(PageListParsing, EmptyOrBlankTextMeansEveryPage) {
    for (const char* text : {"", " ", "    "}) {
        const PageList list = parsePageList(text, 10);
        EXPECT_TRUE(list.allPages) << '"' << text << '"';
        EXPECT_TRUE(list.includes(1));
        EXPECT_TRUE(list.includes(10));
    }
}

TEST(PageListParsing, NumbersRangesAndOpenRanges) {
    const ListCase cases[] = {
        {"1,3,5-12", 10, std::set<int>{1, 3} + pagesFromTo(5, 10)},
        {"2 - 4", 10, {2, 3, 4}},
        {" 1 , 2 ", 10, {1, 2}},
        {"7-", 10, pagesFromTo(7, 10)},
        {"7 -", 9, pagesFromTo(7, 9)},
        {"3", 10, {3}},
        {"3,3,1", 10, {1, 3}},
        {"007", 10, {7}},
        {"+2", 10, {2}},
        {"4-4", 10, {4}},
        // A second dash starts the range again from the number before it.
        {"1-3-5", 10, {3, 4, 5}},
        // Ranges keep to the report's pages, however far they reach.
        {"1-2000000000", 3, {1, 2, 3}},
        {"0-2", 10, {1, 2}},
    };
    for (const ListCase& c : cases) {
        const PageList list = parsePageList(c.text, c.pageCount);
        EXPECT_FALSE(list.allPages) << c.text;
        EXPECT_EQ(list.numbers, c.numbers) << c.text;
    }
}

// A list that names no existing page prints nothing: it must not fall back to "every page".
TEST(PageListParsing, ListNamingNoPagePrintsNothing) {
    for (const char* text : {"4-2", "20", "0", "15-20", "5-"}) {
        const int pageCount = std::string(text) == "5-" ? 0 : 10;
        const PageList list = parsePageList(text, pageCount);
        EXPECT_FALSE(list.allPages) << text;
        for (int page = 1; page <= 10; ++page) EXPECT_FALSE(list.includes(page)) << text << " page " << page;
    }
}

TEST(PageListParsing, EmptyOrForeignPiecesGiveTheConversionError) {
    const std::pair<const char*, const char*> cases[] = {
        {"1,,2", "'' non è un numero intero valido"},
        {"-3", "'' non è un numero intero valido"},
        {"1,2,", "'' non è un numero intero valido"},
        {",", "'' non è un numero intero valido"},
        {"1a", "'1a' non è un numero intero valido"},
        {"1-b", "'b' non è un numero intero valido"},
        {"1;2", "'1;2' non è un numero intero valido"},
        {"9999999999", "'9999999999' non è un numero intero valido"},
    };
    for (const auto& [text, message] : cases) {
        try {
            parsePageList(text, 10);
            ADD_FAILURE() << text << " was accepted";
        } catch (const platform::Error& e) {
            EXPECT_STREQ(e.what(), message) << text;
        }
    }
}

TEST(IntegerFromText, SignsBlanksAndLimits) {
    const std::pair<const char*, int> good[] = {
        {"1", 1},
        {" 3", 3},
        {"+4", 4},
        {"-2", -2},
        {"0", 0},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
    };
    for (const auto& [text, value] : good) EXPECT_EQ(integerFromText(text), value) << text;
    for (const char* text : {"", " ", "3 ", "+-2", "--2", "1.5", "2147483648", "x", "0x10"})
        EXPECT_THROW(integerFromText(text), platform::Error) << '"' << text << '"';
}

}  // namespace
}  // namespace prepared
