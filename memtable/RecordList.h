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

private:
    static constexpr std::size_t maxBlockSize = 512;

    // Index of the block holding position (for position == size: the last block).
    std::size_t blockOf(int position) const;
    void shiftStarts(std::size_t fromBlock, int delta);

    std::vector<std::vector<Record*>> m_blocks;
    std::vector<int> m_starts; // position of each block's first entry
    int m_size = 0;
};

} // namespace memtable
