#include "memtable/MemTableIndex.h"

#include "memtable/StringCollator.h"

#include <utility>

namespace memtable {

MemTableIndex::MemTableIndex() = default;

MemTableIndex::MemTableIndex(std::string name, std::string fieldNames, std::vector<int> fields,
                             MemTableCompareOptions options, int slot, const StringCollator* collator)
    : m_name(std::move(name)), m_fieldNames(std::move(fieldNames)), m_fields(std::move(fields)),
      m_options(options), m_slot(slot), m_collator(collator)
{
}

FieldValues MemTableIndex::keyOf(const FieldValues& values) const
{
    FieldValues key;
    key.reserve(m_fields.size());
    for (int field : m_fields)
        key.push_back(values[static_cast<std::size_t>(field)]);
    return key;
}

SortKey MemTableIndex::sortKeyOf(const FieldValues& key) const
{
    SortKey result(m_fields.size());
    for (std::size_t i = 0; i < key.size() && i < result.size(); ++i)
        if (key[i]) result[i] = m_collator->sortKey(*key[i], m_options);
    return result;
}

const SortKey& MemTableIndex::cachedKey(const Record* record) const
{
    return record->sortKeys[static_cast<std::size_t>(m_slot)];
}

// Null sorts before any set value; two nulls are equal. The first differing field decides.
int MemTableIndex::compareSortKeys(const SortKey& key, const SortKey& entry) const
{
    for (std::size_t i = 0; i < key.size(); ++i) {
        int result = 0;
        if (!key[i] || !entry[i]) {
            if (!key[i] && (m_options & mtcoIgnoreNullKey)) continue;
            result = int(bool(key[i])) - int(bool(entry[i]));
        } else {
            const int c = key[i]->compare(*entry[i]);
            result = (c > 0) - (c < 0);
        }
        if (result != 0) return (m_options & mtcoDescending) ? -result : result;
    }
    return 0;
}

int MemTableIndex::compareRaw(const FieldValues& key, const Record* entry, bool partial) const
{
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const auto& keyValue = i < key.size() ? key[i] : std::optional<std::string>{};
        const auto& entryValue = entry->values[static_cast<std::size_t>(m_fields[i])];
        int result = 0;
        if (!keyValue || !entryValue) {
            if (!keyValue && (m_options & mtcoIgnoreNullKey)) continue;
            result = int(bool(keyValue)) - int(bool(entryValue));
        } else {
            result = m_collator->compare(*keyValue, *entryValue, m_options,
                                         partial || (m_options & mtcoPartialKey));
        }
        if (result != 0) return (m_options & mtcoDescending) ? -result : result;
    }
    return 0;
}

int MemTableIndex::linearSearch(const FieldValues& key, bool nearest) const
{
    for (int position = 0; position < count(); ++position) {
        const int result = compareRaw(key, at(position), nearest);
        if (result == 0 || (nearest && result < 0)) return position;
    }
    return -1;
}

int MemTableIndex::lowerBound(const SortKey& key) const
{
    int low = 0;
    int high = count();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (compareSortKeys(key, cachedKey(at(middle))) > 0)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

int MemTableIndex::search(const FieldValues& key, bool nearest) const
{
    if (!isOrdered() || count() <= linearSearchLimit)
        return linearSearch(key, nearest);
    return lowerBound(sortKeyOf(key));
}

void MemTableIndex::insert(Record* record)
{
    if (!isOrdered()) {
        m_list.pushBack(record);
        return;
    }
    if (record->sortKeys.size() <= static_cast<std::size_t>(m_slot))
        record->sortKeys.resize(static_cast<std::size_t>(m_slot) + 1);
    record->sortKeys[static_cast<std::size_t>(m_slot)] = sortKeyOf(keyOf(record->values));
    const int position = search(keyOf(record->values), true);
    m_list.insert(position < 0 ? count() : position, record);
}

int MemTableIndex::positionOf(const Record* record) const
{
    int start = 0;
    if (isRowOrder()) {
        // Row order is ascending by unique ID.
        int low = 0, high = count();
        while (low < high) {
            const int middle = low + (high - low) / 2;
            if (at(middle)->uniqueId < record->uniqueId) low = middle + 1; else high = middle;
        }
        return low < count() && at(low) == record ? low : -1;
    }
    if (isOrdered()) start = lowerBound(cachedKey(record));
    for (int position = start; position < count(); ++position)
        if (at(position) == record) return position;
    return -1;
}

void MemTableIndex::remove(const Record* record)
{
    const int position = positionOf(record);
    if (position >= 0) m_list.erase(position);
}

bool MemTableIndex::holdsEqualKey(const FieldValues& values, const Record* self) const
{
    const SortKey key = sortKeyOf(keyOf(values));
    if (isOrdered()) {
        for (int position = lowerBound(key); position < count(); ++position) {
            const Record* entry = at(position);
            if (compareSortKeys(key, cachedKey(entry)) != 0) return false;
            if (entry != self) return true;
        }
        return false;
    }
    const FieldValues raw = keyOf(values);
    for (int position = 0; position < count(); ++position)
        if (at(position) != self && compareRaw(raw, at(position), false) == 0) return true;
    return false;
}

} // namespace memtable
