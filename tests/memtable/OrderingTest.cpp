// Index order under every compare option, and SeekNearest on both sides of the switch from
// linear scan to halving.

#include "TableHelpers.h"
#include "memtable/MemTableIndex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

using namespace memtable;
using namespace memtable::testing;
using Strings = std::vector<std::string>;

namespace {

struct OrderCase {
    const char* name;
    IndexOptions options;
    MemTableCompareOptions extra;
    Strings expected;
};

TEST(MemTableOrdering, OptionsDecideTheOrder) {
    const Strings input = {"b", "B", "a", "A", "ab"};
    const OrderCase cases[] = {
        {"locale", ixPrimary, 0, {"a", "A", "ab", "b", "B"}},
        {"ignore locale", ixPrimary, mtcoIgnoreLocale, {"A", "B", "a", "ab", "b"}},
        {"descending", ixDescending, 0, {"B", "b", "ab", "A", "a"}},
        // Equal keys go before those already there, so the later of "a"/"A" comes first.
        {"case-insensitive", ixCaseInsensitive, mtcoIgnoreLocale, {"A", "a", "ab", "B", "b"}},
        {"case-insensitive descending",
         ixCaseInsensitive | ixDescending,
         mtcoIgnoreLocale,
         {"B", "b", "ab", "A", "a"}},
    };
    for (const auto& c : cases) {
        auto table = makeIndexedTable(c.options, c.extra, &dictionaryLocale());
        appendValues(*table, input);
        EXPECT_EQ(contents(*table), c.expected) << c.name;
    }
}

TEST(MemTableOrdering, OrderHoldsAboveTheLinearLimit) {
    for (bool descending : {false, true}) {
        auto table = makeIndexedTable(descending ? ixDescending : ixPrimary, mtcoIgnoreLocale);
        Strings values;
        for (int i = 0; i < 300; ++i) values.push_back(std::to_string((i * 7919) % 1000));
        appendValues(*table, values);
        Strings expected = values;
        std::sort(expected.begin(), expected.end());
        if (descending) std::reverse(expected.begin(), expected.end());
        EXPECT_EQ(contents(*table), expected);
    }
}

TEST(MemTableOrdering, PrefixKeysKeepTheirOrderInBothDirections) {
    for (int extra : {0, 30}) {  // below and above the linear limit
        for (bool descending : {false, true}) {
            auto table = makeIndexedTable(descending ? ixDescending : ixPrimary, mtcoIgnoreLocale);
            for (int i = 0; i < extra; ++i) appendValue(*table, "M" + std::to_string(100 + i));
            appendValues(*table, {"AB", "A", "ABC", "AB"});
            Strings values = contents(*table);
            EXPECT_TRUE(descending ? std::is_sorted(values.rbegin(), values.rend())
                                   : std::is_sorted(values.begin(), values.end()))
                << extra << (descending ? " descending" : " ascending");
        }
    }
}

TEST(MemTableOrdering, NullSortsBeforeEmptyAndSetValues) {
    auto table = makeIndexedTable(ixPrimary, mtcoIgnoreLocale);
    appendValue(*table, "x");
    appendValue(*table, "");
    table->append();
    table->setFieldText("k", "y");
    table->clearField("k");
    table->post();
    ASSERT_EQ(table->recordCount(), 3);
    EXPECT_FALSE(table->fieldValueAt(0, 0).has_value());
    EXPECT_EQ(table->fieldValueAt(1, 0), std::optional<std::string>(""));
    EXPECT_EQ(table->fieldTextAt(2, 0), "x");
}

TEST(MemTableOrdering, UniqueIndexRejectsDuplicateAndStaysInInsert) {
    auto table = makeIndexedTable(ixUnique);
    appendValues(*table, {"A1", "B2"});
    table->append();
    table->setFieldText("k", "A1");
    try {
        table->post();
        FAIL() << "duplicate accepted";
    } catch (const EMemTableError& error) {
        EXPECT_STREQ(error.what(), "Duplicate index value. Operation aborted.");
    }
    EXPECT_EQ(table->state(), TableState::Insert);
    EXPECT_EQ(table->recordCount(), 2);
    table->setFieldText("k", "C3");
    table->post();
    EXPECT_EQ(contents(*table), (Strings{"A1", "B2", "C3"}));
}

TEST(MemTableOrdering, UniqueCaseInsensitiveTreatsCaseVariantsAsDuplicates) {
    auto table = makeIndexedTable(ixUnique | ixCaseInsensitive);
    appendValue(*table, "abc");
    table->append();
    table->setFieldText("k", "ABC");
    EXPECT_THROW(table->post(), EMemTableError);
}

TEST(MemTableOrdering, UniqueIndexAllowsEditingARecordWithoutChangingItsKey) {
    auto table = makeIndexedTable(ixUnique);
    appendValues(*table, {"A", "B"});
    table->first();
    table->edit();
    table->setFieldText("k", "A");
    EXPECT_NO_THROW(table->post());
    table->edit();
    table->setFieldText("k", "B");
    EXPECT_THROW(table->post(), EMemTableError);
    table->cancel();
}

TEST(MemTableOrdering, EditMovesTheRecordToItsNewPlace) {
    auto table = makeIndexedTable();
    appendValues(*table, {"A", "C", "E"});
    table->first();
    table->edit();
    table->setFieldText("k", "D");
    table->post();
    EXPECT_EQ(contents(*table), (Strings{"C", "D", "E"}));
    EXPECT_EQ(table->recordNumber(), 2);
    EXPECT_EQ(table->fieldText("k"), "D");
}

TEST(MemTableOrdering, DuplicateCodeGoesBeforeTheExistingOne) {
    auto table = makeIndexedTable();
    appendValues(*table, {"RSSMRA80A01H501U", "ZZZ"});
    const Bookmark older = [&] {
        table->first();
        return table->getBookmark();
    }();
    appendValue(*table, "RSSMRA80A01H501U");
    EXPECT_EQ(table->recordNumber(), 1);
    EXPECT_EQ(table->recordCount(), 3);
    table->next();
    EXPECT_EQ(table->getBookmark(), older);
}

TEST(MemTableOrdering, NonMaintainedIndexKeepsArrivalOrder) {
    auto table = makeIndexedTable(ixNonMaintained);
    appendValues(*table, {"C", "A", "B"});
    EXPECT_EQ(contents(*table), (Strings{"C", "A", "B"}));
    // The scan stops at the first entry >= the key in list order, not at the best match.
    EXPECT_TRUE(table->seekNearest({"B"}));
    EXPECT_EQ(table->fieldText("k"), "C");
    EXPECT_TRUE(table->seekNearest({"A"}));
    EXPECT_EQ(table->fieldText("k"), "C");
}

TEST(MemTableOrdering, CurrentIndexChoice) {
    struct Case {
        const char* fieldNames;
        const char* indexName;
        const char* expected;
    };
    const Case cases[] = {
        {"B", "", "byB"},    // IndexFieldNames first
        {"b", "", "byB"},    // compared without regard to case
        {"", "BYA", "byA"},  // else IndexName
        {"zz", "byA", ""},   // no match by field names: row order
        {"", "", ""},        // nothing set: row order
    };
    for (const auto& c : cases) {
        MemTable table;
        table.addFieldDef({.name = "a", .size = 4});
        table.addFieldDef({.name = "b", .size = 4});
        table.addIndexDef({.name = "byA", .fields = "a"});
        table.addIndexDef({.name = "byB", .fields = "b"});
        table.setIndexFieldNames(c.fieldNames);
        table.setIndexName(c.indexName);
        table.open();
        EXPECT_EQ(table.currentIndexName(), c.expected) << c.fieldNames << "/" << c.indexName;
    }
}

TEST(MemTableOrdering, MultiFieldIndexComparesFieldByField) {
    MemTable table;
    table.addFieldDef({.name = "a", .size = 4});
    table.addFieldDef({.name = "b", .size = 4});
    table.addIndexDef({.name = "ab", .fields = "a;b", .compareOptions = mtcoIgnoreLocale});
    table.setIndexName("ab");
    table.open();
    for (auto [a, b] : {std::pair{"2", "x"}, {"1", "z"}, {"2", "a"}, {"1", "b"}}) {
        table.append();
        table.setFieldText("a", a);
        table.setFieldText("b", b);
        table.post();
    }
    Strings rows;
    for (int row = 0; row < table.recordCount(); ++row)
        rows.push_back(table.fieldTextAt(row, 0) + table.fieldTextAt(row, 1));
    EXPECT_EQ(rows, (Strings{"1b", "1z", "2a", "2x"}));
    EXPECT_TRUE(table.seekNearest({"2"}));  // a missing second value counts as null
    EXPECT_EQ(table.fieldText("b"), "a");
}

// --- SeekNearest ---

std::unique_ptr<MemTable> tableOfEvenKeys(int count) {
    auto table = makeIndexedTable();
    for (int i = 0; i < count; ++i) {
        char key[16];
        std::snprintf(key, sizeof key, "K%03d", 2 * i);
        appendValue(*table, key);
    }
    return table;
}

TEST(MemTableSeekNearest, BothSidesOfTheLinearLimit) {
    for (int count : {19, 20, 21, 500}) {
        SCOPED_TRACE(count);
        auto table = tableOfEvenKeys(count);
        const bool halving = count > MemTableIndex::linearSearchLimit;

        EXPECT_TRUE(table->seekNearest({"A"}));
        EXPECT_EQ(table->recordNumber(), 1);
        EXPECT_TRUE(table->seekNearest({"K007"}));
        EXPECT_EQ(table->fieldText("k"), "K008");
        EXPECT_TRUE(table->seekNearest({"K010"}));
        EXPECT_EQ(table->recordNumber(), 6);
        EXPECT_TRUE(table->seekNearest({}));
        EXPECT_EQ(table->recordNumber(), 1);

        table->setRecordNumber(3);
        EXPECT_EQ(table->seekNearest({"Z"}), halving);
        EXPECT_EQ(table->recordNumber(), halving ? count : 3);
    }
}

TEST(MemTableSeekNearest, LandsOnTheFirstOfEqualKeys) {
    for (int count : {19, 20, 21}) {
        SCOPED_TRACE(count);
        auto table = tableOfEvenKeys(count - 3);
        appendValues(*table, {"K004", "K004", "K004"});
        table->last();
        EXPECT_TRUE(table->seekNearest({"K004"}));
        EXPECT_EQ(table->recordNumber(), 3);
        table->prior();
        EXPECT_EQ(table->fieldText("k"), "K002");
    }
}

TEST(MemTableSeekNearest, ThreeValueExample) {
    auto table = makeIndexedTable();
    appendValues(*table, {"C3", "A1", "B2"});
    EXPECT_TRUE(table->seekNearest({"B"}));
    EXPECT_EQ(table->fieldText("k"), "B2");
    EXPECT_TRUE(table->seekNearest({"BZZ"}));
    EXPECT_EQ(table->fieldText("k"), "C3");
    table->first();
    EXPECT_FALSE(table->seekNearest({"Z"}));
    EXPECT_EQ(table->fieldText("k"), "A1");
}

TEST(MemTableSeekNearest, PostsAPendingEditFirst) {
    auto table = makeIndexedTable();
    appendValues(*table, {"A", "C"});
    table->append();
    table->setFieldText("k", "B");
    EXPECT_TRUE(table->seekNearest({"B"}));
    EXPECT_EQ(table->state(), TableState::Browse);
    EXPECT_EQ(contents(*table), (Strings{"A", "B", "C"}));
    EXPECT_EQ(table->recordNumber(), 2);
}

TEST(MemTableSeekNearest, EmptyTableDoesNotMove) {
    auto table = makeIndexedTable();
    EXPECT_FALSE(table->seekNearest({"A"}));
    EXPECT_FALSE(table->seekNearest({}));
}

}  // namespace
