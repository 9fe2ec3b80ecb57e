#pragma once
// An indexable sequence of record references that stays cheap to insert into at any position:
// the references live in blocks of bounded size, so an insertion moves at most one block's
// worth of pointers plus one start offset per block, instead of the whole list.

#include <cstddef>
#include <vector>

namespace memtable {

struct Record;

class RecordList {
public:
    int size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    Record* at(int position) const;
    void insert(int position, Record* record);
    void pushBack(Record* record) { insert(m_size, record); }
    void erase(int position);
    void clear();

    // first position whose record is not before the sought one (isBefore(record) false), for a
    // list partitioned by isBefore. Searches the blocks by their last entry, then one block.
    template <typename IsBefore>
    int partitionPoint(IsBefore isBefore) const {
        std::size_t low = 0, high = m_blocks.size();
        while (low < high) {
            const std::size_t middle = low + (high - low) / 2;
            if (isBefore(m_blocks[middle].back()))
                low = middle + 1;
            else
                high = middle;
        }
        if (low == m_blocks.size()) return m_size;
        const auto& entries = m_blocks[low];
        std::size_t first = 0, last = entries.size();
        while (first < last) {
            const std::size_t middle = first + (last - first) / 2;
            if (isBefore(entries[middle]))
                first = middle + 1;
            else
                last = middle;
        }
        return m_starts[low] + static_cast<int>(first);
    }

private:
    static constexpr std::size_t maxBlockSize = 512;

    // Index of the block holding position (for position == size: the last block).
    std::size_t blockOf(int position) const;
    void shiftStarts(std::size_t fromBlock, int delta);

    std::vector<std::vector<Record*>> m_blocks;
    std::vector<int> m_starts;  // position of each block's first entry
    int m_size = 0;
};

}  // namespace memtable
