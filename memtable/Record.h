#pragma once
// One stored record of a memory table.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace memtable {

using FieldValues = std::vector<std::optional<std::string>>; // nullopt: null field
using SortKey = std::vector<std::optional<std::wstring>>;    // one collation key per index field

struct Record {
    std::int64_t id = 0;
    std::int64_t uniqueId = 0;
    FieldValues values;
    // Cached collation keys, one per ordered index (by the index's slot), so that keeping
    // indexes in order compares plain wide strings instead of collating on every step.
    std::vector<SortKey> sortKeys;
};

} // namespace memtable
