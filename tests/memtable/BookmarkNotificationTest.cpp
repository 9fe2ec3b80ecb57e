// Bookmarks and change notifications.

#include "TableHelpers.h"
#include "memtable/MemTableBatch.h"
#include "memtable/StandardTables.h"

#include <gtest/gtest.h>

using namespace memtable;
using namespace memtable::testing;

namespace {

TEST(MemTableBookmarks, GoToCompareAndFree) {
    auto table = makeIndexedTable();
    appendValues(*table, {"B", "A", "C"});
    table->seekNearest({"B"});
    Bookmark b = table->getBookmark();
    table->first();
    const Bookmark a = table->getBookmark();
    EXPECT_TRUE(table->gotoBookmark(b));
    EXPECT_EQ(table->fieldText("k"), "B");
    EXPECT_LT(table->compareBookmarks(b, a), 0);  // "B" was added before "A"
    EXPECT_GT(table->compareBookmarks(a, b), 0);
    EXPECT_EQ(table->compareBookmarks(b, b), 0);
    EXPECT_LT(table->compareBookmarks(Bookmark{}, a), 0);
    table->freeBookmark(b);
    EXPECT_FALSE(b.isValid());
    EXPECT_FALSE(table->gotoBookmark(b));
}

TEST(MemTableBookmarks, DeletedOrDiscardedRecordsAreNotFound) {
    auto table = makeIndexedTable();
    appendValues(*table, {"A", "B"});
    table->first();
    const Bookmark a = table->getBookmark();
    table->deleteRecord();
    EXPECT_FALSE(table->bookmarkValid(a));
    EXPECT_FALSE(table->gotoBookmark(a));
    EXPECT_EQ(table->fieldText("k"), "B");

    const Bookmark b = table->getBookmark();
    table->close();
    table->open();
    appendValues(*table, {"X", "Y"});
    // A bookmark from before Close never lands on a record added after it.
    EXPECT_FALSE(table->gotoBookmark(b));
    EXPECT_EQ(table->fieldText("k"), "Y");
}

TEST(MemTableBookmarks, NoBookmarkWhileInserting) {
    auto table = makeIndexedTable();
    appendValue(*table, "A");
    table->append();
    EXPECT_FALSE(table->getBookmark().isValid());
}

struct Recorder : MemTableObserver {
    std::vector<std::pair<DataEvent, int>> events;
    std::function<void(MemTable&)> onEvent;
    void memTableEvent(MemTable& table, DataEvent event, int row) override {
        events.emplace_back(event, row);
        if (onEvent) onEvent(table);
    }
};

TEST(MemTableNotifications, EachOperationIsReported) {
    auto table = makeFiscalCodeTable();
    Recorder recorder;
    table->addObserver(&recorder);
    table->open();
    appendValues(*table, {"B"}, "codice");
    table->append();
    table->setFieldText("codice", "A");
    table->post();
    table->next();
    table->append();
    table->cancel();
    table->deleteRecord();
    table->refresh();
    table->close();
    using E = DataEvent;
    const std::vector<std::pair<DataEvent, int>> expected = {
        {E::Opened, -1},     {E::Inserting, 0},   {E::DataChanged, 0}, {E::Posted, 0},
        {E::Inserting, 1},   {E::DataChanged, 1}, {E::Posted, 0},  // "A" sorts first
        {E::Scrolled, 1},    {E::Inserting, 2},   {E::Cancelled, 1},   {E::Deleted, 1},
        {E::DataChanged, 0}, {E::Closing, -1},    {E::Closed, -1},
    };
    EXPECT_EQ(recorder.events, expected);
}

TEST(MemTableNotifications, ObserversMayDetachDuringNotification) {
    auto table = makePrintListTable();
    Recorder first, second, third;
    first.onEvent = [&](MemTable& t) {
        t.removeObserver(&first);
        t.removeObserver(&second);
    };
    third.onEvent = [&](MemTable& t) { (void)t.recordCount(); };  // reading back under the lock is fine
    table->addObserver(&first);
    table->addObserver(&second);
    table->addObserver(&third);
    table->addObserver(&third);  // added once only
    table->open();
    table->close();
    EXPECT_EQ(first.events.size(), 1u);
    EXPECT_TRUE(second.events.empty());
    EXPECT_EQ(third.events.size(), 3u);
}

// A batch tells once, at the end of the outermost one, even when it ends by an error; a batch
// in which nothing happened tells nothing.
TEST(MemTableNotifications, ABatchTellsOnceAtItsEnd) {
    auto table = makeFiscalCodeTable();
    table->open();
    Recorder recorder;
    table->addObserver(&recorder);
    {
        MemTableBatch outer(*table);
        {
            MemTableBatch inner(*table);
            appendValues(*table, {"B", "A"}, "codice");
        }
        table->first();
        EXPECT_TRUE(recorder.events.empty());
    }
    const std::vector<std::pair<DataEvent, int>> once = {{DataEvent::DataChanged, 0}};
    EXPECT_EQ(recorder.events, once);

    recorder.events.clear();
    { MemTableBatch idle(*table); }
    EXPECT_TRUE(recorder.events.empty());
    try {
        MemTableBatch failing(*table);
        table->append();
        table->post();  // "codice" is required
    } catch (const DatasetError&) {}
    ASSERT_EQ(recorder.events.size(), 1u);
    EXPECT_EQ(recorder.events[0].first, DataEvent::DataChanged);
}

TEST(MemTableNotifications, GridStyleRandomAccess) {
    auto table = makeFiscalCodeTable();
    table->open();
    appendValues(*table, {"C", "A", "B"}, "codice");
    Recorder grid;
    grid.onEvent = [&](MemTable& t) {
        // A grid re-reads the rows around the cursor when told it moved.
        if (grid.events.back().first == DataEvent::Scrolled) {
            EXPECT_EQ(t.fieldTextAt(grid.events.back().second, 0), t.fieldText("codice"));
        }
    };
    table->addObserver(&grid);
    table->setRecordNumber(3);
    EXPECT_EQ(table->fieldText("codice"), "C");
    EXPECT_EQ(table->fieldTextAt(0, 0), "A");
    EXPECT_EQ(table->fieldTextAt(5, 0), "");  // outside the table
    EXPECT_EQ(grid.events.size(), 1u);
}

}  // namespace
