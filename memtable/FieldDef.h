#pragma once
// Definitions of a memory table's fields and indexes.

#include "memtable/CompareOptions.h"

#include <string>

namespace memtable {

enum class FieldType { String };

// One field: its name, type and size in characters (Unicode code points, not bytes).
struct FieldDef {
    std::string name;
    FieldType type = FieldType::String;
    int size = 20;
    bool required = false;
    bool readOnly = false;
};

// One index definition: field names separated by ';'.
struct IndexDef {
    std::string name;
    std::string fields;
    IndexOptions options = 0;
    // Compare options added to those the index options map to (e.g. mtcoIgnoreLocale).
    MemTableCompareOptions compareOptions = 0;
};

}  // namespace memtable
