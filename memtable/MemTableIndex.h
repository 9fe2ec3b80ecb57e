#pragma once
// One index of a memory table: an ordered list of record references and the rules to order
// them. The row-order index (no fields) lists records in the order they were added; a
// maintained index keeps its list sorted on every insert, update and delete; a non-maintained
// index (mtcoNonMaintained) collects records in arrival order and is only scanned linearly.

#include "memtable/CompareOptions.h"
#include "memtable/Record.h"
#include "memtable/RecordList.h"

#include <string>
#include <vector>

namespace memtable {

class StringCollator;

class MemTableIndex {
public:
    // Up to this many records a search scans linearly; above it an ordered index halves.
    static constexpr int linearSearchLimit = 20;

    // The row-order index.
    MemTableIndex();
    // An index on fields (their positions in the record), keeping its keys in slot `slot`.
    MemTableIndex(std::string name, std::string fieldNames, std::vector<int> fields,
                  MemTableCompareOptions options, int slot, const StringCollator* collator);

    const std::string& name() const { return m_name; }
    const std::string& fieldNames() const { return m_fieldNames; }
    const std::vector<int>& fields() const { return m_fields; }
    MemTableCompareOptions options() const { return m_options; }
    bool isRowOrder() const { return m_fields.empty(); }
    bool isOrdered() const { return !isRowOrder() && !(m_options & mtcoNonMaintained); }

    int count() const { return m_list.size(); }
    Record* at(int position) const { return m_list.at(position); }

    // Adds record (computing its cached key) and returns its position.
    int insert(Record* record);
    void remove(const Record* record);
    // Position of record in this index, or -1.
    int positionOf(const Record* record) const;
    void clear() { m_list.clear(); }

    // The search used by SeekNearest and by ordered inserts. key holds one value per index
    // field (missing trailing values count as null). Returns the position found, -1 when a
    // linear scan finds nothing, or (halving) the insertion position, which may equal count().
    int search(const FieldValues& key, bool nearest) const;

    // True when another record than `self` has the same whole key as values.
    bool holdsEqualKey(const FieldValues& values, const Record* self) const;

private:
    FieldValues keyOf(const FieldValues& values) const;
    SortKey sortKeyOf(const FieldValues& key) const;
    SortKey sortKeyOfRecord(const Record& record) const;
    const SortKey& cachedKey(const Record* record) const;
    int compareSortKeys(const SortKey& key, const SortKey& entry) const;
    int compareRaw(const FieldValues& key, const Record* entry, bool partial) const;
    int linearSearch(const FieldValues& key, bool nearest) const;
    int lowerBound(const SortKey& key) const;

    std::string m_name;
    std::string m_fieldNames;
    std::vector<int> m_fields;
    MemTableCompareOptions m_options = 0;
    int m_slot = -1;
    const StringCollator* m_collator = nullptr;
    RecordList m_list;
};

}  // namespace memtable
