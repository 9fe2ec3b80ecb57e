// The blocked record list and the UTF-8 helpers under the table.

#include "memtable/Record.h"
#include "memtable/RecordList.h"
#include "memtable/Utf8.h"

#include <gtest/gtest.h>

#include <random>

using namespace memtable;

namespace {

TEST(RecordList, MatchesAPlainVectorThroughSplitsAndErases) {
    std::vector<Record> records(4000);
    std::vector<Record*> reference;
    RecordList list;
    std::mt19937 random(42);
    for (int step = 0; step < 6000; ++step) {
        const bool erase = !reference.empty() && random() % 3 == 0;
        if (erase) {
            const int position = static_cast<int>(random() % reference.size());
            reference.erase(reference.begin() + position);
            list.erase(position);
        } else {
            const int position = static_cast<int>(random() % (reference.size() + 1));
            Record* record = &records[random() % records.size()];
            reference.insert(reference.begin() + position, record);
            list.insert(position, record);
        }
    }
    ASSERT_EQ(list.size(), static_cast<int>(reference.size()));
    for (int i = 0; i < list.size(); ++i) ASSERT_EQ(list.at(i), reference[static_cast<std::size_t>(i)]) << i;
    while (!list.empty()) list.erase(0);
    list.pushBack(&records[0]);
    EXPECT_EQ(list.at(0), &records[0]);
}

TEST(Utf8, TruncationCountsCharacters) {
    struct Case {
        std::string text;
        std::size_t max;
        std::string expected;
        std::size_t characters;
    };
    const Case cases[] = {
        {"abc", 2, "ab", 3},
        {"àèì", 2, "àè", 3},
        {"a€b", 2, "a€", 3},
        {"😀x", 1, "😀", 2},
        {"\xff\xfe"
         "a",
         2, "\xff\xfe", 3},              // malformed bytes count one each
        {"\xe2\x82", 5, "\xe2\x82", 2},  // cut-off sequence at the end
        {"", 3, "", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(truncateToCharacters(c.text, c.max), c.expected) << c.text;
        EXPECT_EQ(countCharacters(c.text), c.characters) << c.text;
    }
    EXPECT_EQ(decodeUtf8("a\xc3\xa8\xff"), (std::wstring{L'a', L'\u00e8', L'\ufffd'}));
    EXPECT_EQ(decodeUtf8("\xc0\x80"), (std::wstring{L'\ufffd', L'\ufffd'}));  // overlong form
}

}  // namespace
