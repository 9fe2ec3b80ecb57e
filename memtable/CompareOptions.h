#pragma once
// Comparison options of a memory-table index, and the index-definition options that map onto them.

#include <cstdint>

namespace memtable {

// Bit values are fixed: they are the option set's storage order.
enum MemTableCompareOption : std::uint32_t {
    mtcoDescending = 1u << 0,
    mtcoCaseInsensitive = 1u << 1,
    mtcoPartialKey = 1u << 2,
    mtcoIgnoreNullKey = 1u << 3,
    mtcoIgnoreLocale = 1u << 4,
    mtcoUnique = 1u << 5,
    mtcoNonMaintained = 1u << 6,
};
using MemTableCompareOptions = std::uint32_t;

// Options of an index definition.
enum IndexOption : std::uint32_t {
    ixPrimary = 1u << 0,
    ixUnique = 1u << 1,
    ixDescending = 1u << 2,
    ixCaseInsensitive = 1u << 3,
    ixExpression = 1u << 4,
    ixNonMaintained = 1u << 5,
};
using IndexOptions = std::uint32_t;

// ixPrimary and ixExpression carry no ordering meaning and map to nothing.
constexpr MemTableCompareOptions compareOptionsFor(IndexOptions options) {
    MemTableCompareOptions result = 0;
    if (options & ixUnique) result |= mtcoUnique;
    if (options & ixDescending) result |= mtcoDescending;
    if (options & ixCaseInsensitive) result |= mtcoCaseInsensitive;
    if (options & ixNonMaintained) result |= mtcoNonMaintained;
    return result;
}

}  // namespace memtable
