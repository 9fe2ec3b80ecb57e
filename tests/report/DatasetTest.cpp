// Report datasets: counted datasets, ranges, and the adaptor over the print list.
#include "memtable/StandardTables.h"
#include "report/ComponentRegistry.h"
#include "report/DatasetDB.h"
#include "report/DatasetError.h"
#include "report/DatasetMemTable.h"
#include "report/DatasetRegistry.h"
#include "tests/report/DatasetFakes.h"

#include <gtest/gtest.h>

using namespace report;
using namespace expression;
using report::testing::FakeComponents;
using report::testing::FakeDataset;
using report::testing::FakeDataSource;

namespace {

// The engine's loop for one data band: init, first, then print and next until eof, exit.
template <typename OnRecord>
int walk(Dataset& dataset, OnRecord onRecord, int limit = 1000) {
    int printed = 0;
    dataset.init();
    dataset.first();
    while (!dataset.eof() && printed < limit) {
        onRecord();
        ++printed;
        dataset.next();
    }
    dataset.exit();
    return printed;
}

int walk(Dataset& dataset) {
    return walk(dataset, [] {});
}

void fillPrintList(memtable::MemTable& kb1, std::initializer_list<const char*> labels) {
    kb1.open();
    for (const char* label : labels) {
        kb1.append();
        kb1.setFieldText("giorno", label);
        kb1.post();
    }
}

TEST(Dataset, CountedDatasetFromBandSourceText) {
    struct Case {
        const char* text;
        int records;  // -1: not a counted source
    };
    const Case cases[] = {{"3", 3},
                          {"1", 1},
                          {"12", 12},
                          {"0", -1},
                          {"frDBDataSet1", -1},
                          {"", -1},
                          {"99999999999999", 2147483647}};
    for (const Case& c : cases) {
        auto dataset = makeCountedDataset(c.text);
        if (c.records < 0) {
            EXPECT_EQ(dataset, nullptr) << c.text;
            continue;
        }
        ASSERT_NE(dataset, nullptr) << c.text;
        EXPECT_EQ(dataset->rangeEnd, RangeEnd::reCount);
        EXPECT_EQ(dataset->rangeEndCount, c.records) << c.text;
        if (c.records < 100) {
            EXPECT_EQ(walk(*dataset), c.records) << c.text;
        }
    }
}

TEST(Dataset, EventsAndRecordNumbers) {
    UserDataset dataset;
    dataset.rangeEnd = RangeEnd::reCount;
    dataset.rangeEndCount = 2;
    std::vector<std::string> events;
    dataset.onFirst = [&](Dataset& d) { events.push_back("first" + std::to_string(d.recordNo())); };
    dataset.onNext = [&](Dataset& d) { events.push_back("next" + std::to_string(d.recordNo())); };
    dataset.onPrior = [&](Dataset& d) { events.push_back("prior" + std::to_string(d.recordNo())); };
    EXPECT_EQ(walk(dataset), 2);
    dataset.prior();
    // No OnNext once the count is reached.
    EXPECT_EQ(events, (std::vector<std::string>{"first0", "next1", "prior1"}));

    dataset.onCheckEof = [](Dataset& d, bool& eof) { eof = eof || d.recordNo() >= 1; };
    EXPECT_EQ(walk(dataset), 1);
    UserDataset endless;  // reLast without a table never ends by itself
    EXPECT_FALSE(endless.eof());
}

TEST(Dataset, PrintListOfThreeRecordsIsWalkedAndLeftOpenAtItsEnd) {
    auto kb1 = memtable::makePrintListTable();
    fillPrintList(*kb1, {"A1", "B2", "C3"});
    MemTableDataset table(*kb1);
    DBDataset adaptor("frDBDataSet1");
    adaptor.setDataset(&table);
    std::vector<std::string> seen;
    EXPECT_EQ(walk(adaptor, [&] { seen.push_back(kb1->fieldText("giorno")); }), 3);
    EXPECT_EQ(seen, (std::vector<std::string>{"A1", "B2", "C3"}));
    EXPECT_TRUE(kb1->isActive());
    EXPECT_TRUE(kb1->eof());
    EXPECT_EQ(kb1->recordCount(), 3);
}

TEST(Dataset, ClosedOrEmptyPrintList) {
    auto kb1 = memtable::makePrintListTable();
    MemTableDataset table(*kb1);
    DBDataset adaptor("frDBDataSet1");
    adaptor.setDataset(&table);
    EXPECT_FALSE(kb1->isActive());
    EXPECT_EQ(walk(adaptor), 0);  // init opens it; empty: eof at once
    EXPECT_TRUE(kb1->isActive());

    adaptor.closeDataSource = true;
    walk(adaptor);
    EXPECT_FALSE(kb1->isActive());

    adaptor.openDataSource = false;  // then nobody opens it and the cursor moves fail
    EXPECT_THROW(walk(adaptor), std::exception);
}

TEST(Dataset, NeitherDatasetNorDataSourceFails) {
    DBDataset adaptor("frDBDataSet1");
    try {
        adaptor.init();
        FAIL() << "Init did not fail";
    } catch (const DatasetError& e) {
        EXPECT_STREQ(e.what(), "Unable to open dataset frDBDataSet1");
    }
    EXPECT_THROW(adaptor.first(), DatasetError);
    EXPECT_THROW(adaptor.next(), DatasetError);
    EXPECT_THROW(adaptor.eof(), DatasetError);
    EXPECT_THROW(adaptor.exit(), DatasetError);

    FakeDataSource empty;  // a data source without a data set is no better
    adaptor.setDataSource(&empty);
    EXPECT_THROW(adaptor.init(), DatasetError);
}

TEST(Dataset, DatasetAndDataSourceByName) {
    FakeDataset kb1("kb1", {"giorno"}), other("kb2", {"codice"});
    kb1.addRow({"x"});
    other.addRow({"y"});
    other.addRow({"z"});
    FakeDataSource source;
    source.target = &other;
    FakeComponents components;
    components.dataSets["kb1"] = &kb1;
    components.dataSources["DataSource2"] = &source;

    DBDataset adaptor("frDBDataSet1");
    adaptor.setDatasetName("kb1", components);
    EXPECT_EQ(&adaptor.dataSetInUse(), &kb1);
    adaptor.setDataSourceName("DataSource2", components);
    EXPECT_EQ(adaptor.dataSet(), nullptr);  // a data source replaces the data set
    EXPECT_EQ(walk(adaptor), 2);
    adaptor.setDataset(&kb1);
    EXPECT_EQ(adaptor.dataSource(), nullptr);
    adaptor.componentFreed(&kb1);
    EXPECT_THROW(adaptor.init(), DatasetError);
    adaptor.setDatasetName("nothing", components);
    EXPECT_EQ(adaptor.dataSet(), nullptr);
}

TEST(Dataset, Ranges) {
    FakeDataset table("t", {"f"});
    for (const char* v : {"a", "b", "c", "d", "e"}) table.addRow({v});
    table.open();
    DBDataset adaptor("frDBDataSet1");
    adaptor.setDataset(&table);
    std::string seen;
    auto record = [&] { seen += *table.rows[static_cast<std::size_t>(table.cursor())][0]; };

    struct Case {
        RangeBegin begin;
        RangeEnd end;
        int count;
        int startRow;
        const char* expected;
        int rowAfter;  // where exit leaves the table
    };
    const Case cases[] = {
        {RangeBegin::rbFirst, RangeEnd::reLast, 0, 2, "abcde", 4},
        {RangeBegin::rbCurrent, RangeEnd::reLast, 0, 2, "cde", 2},   // back to the bookmark
        {RangeBegin::rbFirst, RangeEnd::reCurrent, 0, 2, "abc", 2},  // up to the current record
        {RangeBegin::rbCurrent, RangeEnd::reCurrent, 0, 2, "c", 2},
        {RangeBegin::rbFirst, RangeEnd::reCount, 2, 2, "ab", 2},
        {RangeBegin::rbCurrent, RangeEnd::reCount, 9, 3, "de", 3},  // the table ends first
    };
    for (const Case& c : cases) {
        adaptor.rangeBegin = c.begin;
        adaptor.rangeEnd = c.end;
        adaptor.rangeEndCount = c.count;
        table.moveTo(c.startRow);
        seen.clear();
        walk(adaptor, record);
        EXPECT_EQ(seen, c.expected) << static_cast<int>(c.begin) << "/" << static_cast<int>(c.end);
        EXPECT_EQ(table.cursor(), c.rowAfter) << static_cast<int>(c.begin) << "/" << static_cast<int>(c.end);
    }
}

TEST(Dataset, OpenAndCloseEvents) {
    FakeDataset table("t", {"f"});
    DBDataset adaptor("frDBDataSet1");
    adaptor.setDataset(&table);
    std::string events;
    adaptor.onOpen = [&](Dataset&) { events += "open "; };
    adaptor.onClose = [&](Dataset&) { events += "close"; };
    walk(adaptor);
    EXPECT_EQ(events, "open close");
    EXPECT_EQ(table.opens, 1);
    walk(adaptor);  // already open: not opened again
    EXPECT_EQ(table.opens, 1);
}

}  // namespace

namespace {

TEST(Dataset, AdaptorFindsThePrintListInTheOwnersRegistry) {
    auto kb1 = memtable::makePrintListTable();
    fillPrintList(*kb1, {"A1", "B2"});
    ComponentRegistry registry;
    registry.add("kb1", kb1.get());
    RegistryDatasetComponents components(&registry);
    DBDataset adaptor("frDBDataSet1");
    adaptor.setDatasetName("kb1", components);
    EXPECT_EQ(walk(adaptor), 2);
    EXPECT_EQ(components.findDataset("kb1"), components.findDataset("kb1"));  // one adapter per table
    EXPECT_EQ(components.findDataset("kb2"), nullptr);
    EXPECT_EQ(components.findDataSource("kb1"), nullptr);
}

}  // namespace
