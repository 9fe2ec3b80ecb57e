// Holds a memory table's notifications for a scope: its observers are told once, when the
// scope ends, however it ends (see MemTable::beginBatch).
#pragma once

#include "memtable/MemTable.h"

namespace memtable {

class MemTableBatch {
public:
    explicit MemTableBatch(MemTable& table) : table_(table) { table_.beginBatch(); }
    ~MemTableBatch() { table_.endBatch(); }
    MemTableBatch(const MemTableBatch&) = delete;
    MemTableBatch& operator=(const MemTableBatch&) = delete;

private:
    MemTable& table_;
};

}  // namespace memtable
