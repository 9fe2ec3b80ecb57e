// The blocked record list under the table.

#include "memtable/Record.h"
#include "memtable/RecordList.h"

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

}  // namespace
