#pragma once
// One stored record of a memory table.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace memtable {

using FieldValues = std::vector<std::optional<std::string>>;  // nullopt: null field
// Collation keys of an index's fields run together, so that plain comparison orders records:
// per field L'\1' for null, or L'\2', the field's key and L'\0'.
using SortKey = std::wstring;

struct Record {
    std::int64_t id = 0;
    std::int64_t uniqueId = 0;
    FieldValues values;
    // Cached collation keys, one per ordered index (by the index's slot), so that keeping
    // indexes in order compares plain wide strings instead of collating on every step.
    // Slot 0, the common case, lives in the record itself: one pointer less to chase.
    SortKey firstSortKey;
    std::vector<SortKey> otherSortKeys;

    SortKey& sortKey(int slot) {
        if (slot == 0) return firstSortKey;
        const auto index = static_cast<std::size_t>(slot - 1);
        if (otherSortKeys.size() <= index) otherSortKeys.resize(index + 1);
        return otherSortKeys[index];
    }
    const SortKey& sortKey(int slot) const {
        return slot == 0 ? firstSortKey : otherSortKeys[static_cast<std::size_t>(slot - 1)];
    }
};

}  // namespace memtable
