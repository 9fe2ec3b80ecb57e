#pragma once
// A bookmark marks one record of a memory table, by the record's unique ID.

#include <cstdint>

namespace memtable {

struct Bookmark {
    std::int64_t uniqueId = -1;  // -1: marks no record
    bool isValid() const { return uniqueId >= 0; }
    friend bool operator==(const Bookmark&, const Bookmark&) = default;
};

}  // namespace memtable
