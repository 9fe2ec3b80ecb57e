#include "memtable/MemTableIndex.h"

#include "memtable/StringCollator.h"

#include <algorithm>
#include <utility>

namespace memtable {

MemTableIndex::MemTableIndex() = default;

MemTableIndex::MemTableIndex(std::string name, std::string fieldNames, std::vector<int> fields,
                             MemTableCompareOptions options, int slot, const StringCollator* collator)
    : m_name(std::move(name)),
      m_fieldNames(std::move(fieldNames)),
      m_fields(std::move(fields)),
      m_options(options),
      m_slot(slot),
      m_collator(collator) {}

FieldValues MemTableIndex::keyOf(const FieldValues& values) const {
    FieldValues key;
    key.reserve(m_fields.size());
    for (int field : m_fields) key.push_back(values[static_cast<std::size_t>(field)]);
    return key;
}

namespace {

void appendFieldKey(SortKey& key, const std::optional<std::string>& value, const StringCollator& collator,
                    MemTableCompareOptions options) {
    if (!value) {
        key.push_back(L'\1');
        return;
    }
    key.push_back(L'\2');
    // Shifted by one so that the terminator sorts before every character, even U+0000.
    for (wchar_t c : collator.sortKey(*value, options)) key.push_back(static_cast<wchar_t>(c + 1));
    key.push_back(L'\0');
}

}  // namespace

SortKey MemTableIndex::sortKeyOf(const FieldValues& key) const {
    SortKey result;
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        appendFieldKey(result, i < key.size() ? key[i] : std::nullopt, *m_collator, m_options);
    return result;
}

SortKey MemTableIndex::sortKeyOfRecord(const Record& record) const {
    SortKey result;
    for (int field : m_fields)
        appendFieldKey(result, record.values[static_cast<std::size_t>(field)], *m_collator, m_options);
    return result;
}

const SortKey& MemTableIndex::cachedKey(const Record* record) const {
    return record->sortKey(m_slot);
}

int MemTableIndex::compareSortKeys(const SortKey& key, const SortKey& entry) const {
    const int c = key.compare(entry);
    const int result = (c > 0) - (c < 0);
    return (m_options & mtcoDescending) ? -result : result;
}

int MemTableIndex::compareRaw(const FieldValues& key, const Record* entry, bool partial) const {
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

int MemTableIndex::linearSearch(const FieldValues& key, bool nearest) const {
    for (int position = 0; position < count(); ++position) {
        const int result = compareRaw(key, at(position), nearest);
        if (result == 0 || (nearest && result < 0)) return position;
    }
    return -1;
}

int MemTableIndex::lowerBound(const SortKey& key) const {
    return m_list.partitionPoint(
        [&](const Record* entry) { return compareSortKeys(key, cachedKey(entry)) > 0; });
}

int MemTableIndex::search(const FieldValues& key, bool nearest) const {
    // A null key field under mtcoIgnoreNullKey matches anything, which the joined keys
    // cannot express: scan instead.
    const bool ignoredNull =
        (m_options & mtcoIgnoreNullKey) &&
        (key.size() < m_fields.size() || std::find(key.begin(), key.end(), std::nullopt) != key.end());
    if (!isOrdered() || count() <= linearSearchLimit || ignoredNull) return linearSearch(key, nearest);
    return lowerBound(sortKeyOf(key));
}

int MemTableIndex::insert(Record* record) {
    if (!isOrdered()) {
        m_list.pushBack(record);
        return count() - 1;
    }
    record->sortKey(m_slot) = sortKeyOfRecord(*record);
    // Before the first entry >= the record. The scan compares whole values: a prefix match
    // would put "AB" before "ABC" in a descending index.
    int at = count();
    if (count() <= linearSearchLimit) {
        const FieldValues key = keyOf(record->values);
        for (int position = 0; position < count(); ++position)
            if (compareRaw(key, this->at(position), false) <= 0) {
                at = position;
                break;
            }
    } else {
        at = lowerBound(cachedKey(record));
    }
    m_list.insert(at, record);
    return at;
}

int MemTableIndex::positionOf(const Record* record) const {
    int start = 0;
    if (isRowOrder()) {
        // Row order is ascending by unique ID.
        int low = 0, high = count();
        while (low < high) {
            const int middle = low + (high - low) / 2;
            if (at(middle)->uniqueId < record->uniqueId)
                low = middle + 1;
            else
                high = middle;
        }
        return low < count() && at(low) == record ? low : -1;
    }
    if (isOrdered()) start = lowerBound(cachedKey(record));
    for (int position = start; position < count(); ++position)
        if (at(position) == record) return position;
    return -1;
}

void MemTableIndex::remove(const Record* record) {
    const int position = positionOf(record);
    if (position >= 0) m_list.erase(position);
}

bool MemTableIndex::holdsEqualKey(const FieldValues& values, const Record* self) const {
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

}  // namespace memtable
