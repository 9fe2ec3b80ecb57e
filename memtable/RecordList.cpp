#include "memtable/RecordList.h"

#include <algorithm>
#include <cassert>

namespace memtable {

std::size_t RecordList::blockOf(int position) const {
    // Last block whose start is <= position.
    const auto it = std::upper_bound(m_starts.begin(), m_starts.end(), position);
    return static_cast<std::size_t>(it - m_starts.begin()) - 1;
}

void RecordList::shiftStarts(std::size_t fromBlock, int delta) {
    for (std::size_t i = fromBlock; i < m_starts.size(); ++i) m_starts[i] += delta;
}

Record* RecordList::at(int position) const {
    assert(position >= 0 && position < m_size);
    const std::size_t block = blockOf(position);
    return m_blocks[block][static_cast<std::size_t>(position - m_starts[block])];
}

void RecordList::insert(int position, Record* record) {
    assert(position >= 0 && position <= m_size);
    if (m_blocks.empty()) {
        m_blocks.emplace_back();
        m_starts.push_back(0);
    }
    const std::size_t block = blockOf(position);
    auto& entries = m_blocks[block];
    entries.insert(entries.begin() + (position - m_starts[block]), record);
    ++m_size;
    shiftStarts(block + 1, 1);
    if (entries.size() > maxBlockSize) {
        const std::size_t half = entries.size() / 2;
        std::vector<Record*> upper(entries.begin() + static_cast<std::ptrdiff_t>(half), entries.end());
        entries.resize(half);
        const int upperStart = m_starts[block] + static_cast<int>(half);
        m_blocks.insert(m_blocks.begin() + static_cast<std::ptrdiff_t>(block) + 1, std::move(upper));
        m_starts.insert(m_starts.begin() + static_cast<std::ptrdiff_t>(block) + 1, upperStart);
    }
}

void RecordList::erase(int position) {
    assert(position >= 0 && position < m_size);
    const std::size_t block = blockOf(position);
    auto& entries = m_blocks[block];
    entries.erase(entries.begin() + (position - m_starts[block]));
    --m_size;
    shiftStarts(block + 1, -1);
    if (entries.empty()) {
        m_blocks.erase(m_blocks.begin() + static_cast<std::ptrdiff_t>(block));
        m_starts.erase(m_starts.begin() + static_cast<std::ptrdiff_t>(block));
    }
}

void RecordList::clear() {
    m_blocks.clear();
    m_starts.clear();
    m_size = 0;
}

}  // namespace memtable
