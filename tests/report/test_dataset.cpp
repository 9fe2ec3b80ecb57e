// Report datasets: counted datasets, ranges, and the adaptor over the print list.
#include "memtable/StandardTables.h"
#include "report/ComponentRegistry.h"
#include "report/DatasetDB.h"
#include "report/DatasetError.h"
#include "report/DatasetMemTable.h"
#include "report/DatasetRegistry.h"
#include "test_dataset_fakes.h"

#include <gtest/gtest.h>

using namespace report;
using report::testing::FakeComponents;
using report::testing::FakeDataSet;
using report::testing::FakeDataSource;

namespace {

// The engine's loop for one data band: Init, First, then print and Next until Eof, Exit.
template <typename OnRecord>
int walk(TfrDataset& dataset, OnRecord onRecord, int limit = 1000)
{
    int printed = 0;
    dataset.Init();
    dataset.First();
    while (!dataset.Eof() && printed < limit) {
        onRecord();
        ++printed;
        dataset.Next();
    }
    dataset.Exit();
    return printed;
}

int walk(TfrDataset& dataset) { return walk(dataset, [] {}); }

void fillPrintList(memtable::MemTable& kb1, std::initializer_list<const char*> labels)
{
    kb1.open();
    for (const char* label : labels) {
        kb1.append();
        kb1.setFieldText("giorno", label);
        kb1.post();
    }
}

TEST(Dataset, CountedDatasetFromBandSourceText)
{
    struct Case {
        const char* text;
        int records; // -1: not a counted source
    };
    const Case cases[] = {{"3", 3}, {"1", 1}, {"12", 12}, {"0", -1}, {"frDBDataSet1", -1}, {"", -1},
                          {"99999999999999", 2147483647}};
    for (const Case& c : cases) {
        auto dataset = makeCountedDataset(c.text);
        if (c.records < 0) {
            EXPECT_EQ(dataset, nullptr) << c.text;
            continue;
        }
        ASSERT_NE(dataset, nullptr) << c.text;
        EXPECT_EQ(dataset->RangeEnd, TfrRangeEnd::reCount);
        EXPECT_EQ(dataset->RangeEndCount, c.records) << c.text;
        if (c.records < 100) {
            EXPECT_EQ(walk(*dataset), c.records) << c.text;
        }
    }
}

TEST(Dataset, EventsAndRecordNumbers)
{
    TfrUserDataset dataset;
    dataset.RangeEnd = TfrRangeEnd::reCount;
    dataset.RangeEndCount = 2;
    std::vector<std::string> events;
    dataset.OnFirst = [&](TfrDataset& d) { events.push_back("first" + std::to_string(d.recordNo())); };
    dataset.OnNext = [&](TfrDataset& d) { events.push_back("next" + std::to_string(d.recordNo())); };
    dataset.OnPrior = [&](TfrDataset& d) { events.push_back("prior" + std::to_string(d.recordNo())); };
    EXPECT_EQ(walk(dataset), 2);
    dataset.Prior();
    // No OnNext once the count is reached.
    EXPECT_EQ(events, (std::vector<std::string>{"first0", "next1", "prior1"}));

    dataset.OnCheckEOF = [](TfrDataset& d, bool& eof) { eof = eof || d.recordNo() >= 1; };
    EXPECT_EQ(walk(dataset), 1);
    TfrUserDataset endless; // reLast without a table never ends by itself
    EXPECT_FALSE(endless.Eof());
}

TEST(Dataset, PrintListOfThreeRecordsIsWalkedAndLeftOpenAtItsEnd)
{
    auto kb1 = memtable::makePrintListTable();
    fillPrintList(*kb1, {"A1", "B2", "C3"});
    MemTableDataSet table(*kb1);
    TfrDBDataSet adaptor("frDBDataSet1");
    adaptor.setDataSet(&table);
    std::vector<std::string> seen;
    EXPECT_EQ(walk(adaptor, [&] { seen.push_back(kb1->fieldText("giorno")); }), 3);
    EXPECT_EQ(seen, (std::vector<std::string>{"A1", "B2", "C3"}));
    EXPECT_TRUE(kb1->isActive());
    EXPECT_TRUE(kb1->eof());
    EXPECT_EQ(kb1->recordCount(), 3);
}

TEST(Dataset, ClosedOrEmptyPrintList)
{
    auto kb1 = memtable::makePrintListTable();
    MemTableDataSet table(*kb1);
    TfrDBDataSet adaptor("frDBDataSet1");
    adaptor.setDataSet(&table);
    EXPECT_FALSE(kb1->isActive());
    EXPECT_EQ(walk(adaptor), 0); // Init opens it; empty: Eof at once
    EXPECT_TRUE(kb1->isActive());

    adaptor.CloseDataSource = true;
    walk(adaptor);
    EXPECT_FALSE(kb1->isActive());

    adaptor.OpenDataSource = false; // then nobody opens it and the cursor moves fail
    EXPECT_THROW(walk(adaptor), std::exception);
}

TEST(Dataset, NeitherDataSetNorDataSourceFails)
{
    TfrDBDataSet adaptor("frDBDataSet1");
    try {
        adaptor.Init();
        FAIL() << "Init did not fail";
    } catch (const DatasetError& e) {
        EXPECT_STREQ(e.what(), "Unable to open dataset frDBDataSet1");
    }
    EXPECT_THROW(adaptor.First(), DatasetError);
    EXPECT_THROW(adaptor.Next(), DatasetError);
    EXPECT_THROW(adaptor.Eof(), DatasetError);
    EXPECT_THROW(adaptor.Exit(), DatasetError);

    FakeDataSource empty; // a data source without a data set is no better
    adaptor.setDataSource(&empty);
    EXPECT_THROW(adaptor.Init(), DatasetError);
}

TEST(Dataset, DataSetAndDataSourceByName)
{
    FakeDataSet kb1("kb1", {"giorno"}), other("kb2", {"codice"});
    kb1.addRow({"x"});
    other.addRow({"y"});
    other.addRow({"z"});
    FakeDataSource source;
    source.target = &other;
    FakeComponents components;
    components.dataSets["kb1"] = &kb1;
    components.dataSources["DataSource2"] = &source;

    TfrDBDataSet adaptor("frDBDataSet1");
    adaptor.setDataSetName("kb1", components);
    EXPECT_EQ(&adaptor.dataSetInUse(), &kb1);
    adaptor.setDataSourceName("DataSource2", components);
    EXPECT_EQ(adaptor.DataSet(), nullptr); // a data source replaces the data set
    EXPECT_EQ(walk(adaptor), 2);
    adaptor.setDataSet(&kb1);
    EXPECT_EQ(adaptor.DataSource(), nullptr);
    adaptor.componentFreed(&kb1);
    EXPECT_THROW(adaptor.Init(), DatasetError);
    adaptor.setDataSetName("nothing", components);
    EXPECT_EQ(adaptor.DataSet(), nullptr);
}

TEST(Dataset, Ranges)
{
    FakeDataSet table("t", {"f"});
    for (const char* v : {"a", "b", "c", "d", "e"}) table.addRow({v});
    table.open();
    TfrDBDataSet adaptor("frDBDataSet1");
    adaptor.setDataSet(&table);
    std::string seen;
    auto record = [&] { seen += *table.rows[static_cast<std::size_t>(table.cursor())][0]; };

    struct Case {
        TfrRangeBegin begin;
        TfrRangeEnd end;
        int count;
        int startRow;
        const char* expected;
        int rowAfter; // where Exit leaves the table
    };
    const Case cases[] = {
        {TfrRangeBegin::rbFirst, TfrRangeEnd::reLast, 0, 2, "abcde", 4},
        {TfrRangeBegin::rbCurrent, TfrRangeEnd::reLast, 0, 2, "cde", 2},   // back to the bookmark
        {TfrRangeBegin::rbFirst, TfrRangeEnd::reCurrent, 0, 2, "abc", 2},  // up to the current record
        {TfrRangeBegin::rbCurrent, TfrRangeEnd::reCurrent, 0, 2, "c", 2},
        {TfrRangeBegin::rbFirst, TfrRangeEnd::reCount, 2, 2, "ab", 2},
        {TfrRangeBegin::rbCurrent, TfrRangeEnd::reCount, 9, 3, "de", 3},  // the table ends first
    };
    for (const Case& c : cases) {
        adaptor.RangeBegin = c.begin;
        adaptor.RangeEnd = c.end;
        adaptor.RangeEndCount = c.count;
        table.moveTo(c.startRow);
        seen.clear();
        walk(adaptor, record);
        EXPECT_EQ(seen, c.expected) << static_cast<int>(c.begin) << "/" << static_cast<int>(c.end);
        EXPECT_EQ(table.cursor(), c.rowAfter) << static_cast<int>(c.begin) << "/" << static_cast<int>(c.end);
    }
}

TEST(Dataset, OpenAndCloseEvents)
{
    FakeDataSet table("t", {"f"});
    TfrDBDataSet adaptor("frDBDataSet1");
    adaptor.setDataSet(&table);
    std::string events;
    adaptor.OnOpen = [&](TfrDataset&) { events += "open "; };
    adaptor.OnClose = [&](TfrDataset&) { events += "close"; };
    walk(adaptor);
    EXPECT_EQ(events, "open close");
    EXPECT_EQ(table.opens, 1);
    walk(adaptor); // already open: not opened again
    EXPECT_EQ(table.opens, 1);
}

} // namespace

namespace {

TEST(Dataset, AdaptorFindsThePrintListInTheOwnersRegistry)
{
    auto kb1 = memtable::makePrintListTable();
    fillPrintList(*kb1, {"A1", "B2"});
    ComponentRegistry registry;
    registry.add("kb1", kb1.get());
    RegistryDatasetComponents components(&registry);
    TfrDBDataSet adaptor("frDBDataSet1");
    adaptor.setDataSetName("kb1", components);
    EXPECT_EQ(walk(adaptor), 2);
    EXPECT_EQ(components.findDataSet("kb1"), components.findDataSet("kb1")); // one adapter per table
    EXPECT_EQ(components.findDataSet("kb2"), nullptr);
    EXPECT_EQ(components.findDataSource("kb1"), nullptr);
}

} // namespace
