#pragma once
// Private state of MemTable, shared by its implementation files.

#include "memtable/MemTable.h"
#include "memtable/MemTableIndex.h"
#include "memtable/Record.h"
#include "memtable/StringCollator.h"

#include <mutex>

namespace memtable {

using Lock = std::lock_guard<std::recursive_mutex>;

// Position of the field named `name` (ASCII case ignored), or -1.
int findField(const std::vector<FieldDef>& fields, std::string_view name);

struct MemTable::Data {
    explicit Data(MemTable& owner, std::string tableName) : table(owner), name(std::move(tableName)) {}

    MemTable& table;
    std::string name;

    // Definitions.
    std::vector<FieldDef> fieldDefs;
    std::vector<FieldDef> persistentFields;
    std::vector<IndexDef> indexDefs;
    std::string indexFieldNames;
    std::string indexName;
    StringCollator collator;

    // Open state.
    TableState state = TableState::Inactive;
    std::vector<FieldDef> fields;                         // bound fields, the record layout
    std::vector<std::unique_ptr<Record>> store;           // ascending by unique ID (insertion order)
    std::vector<std::unique_ptr<MemTableIndex>> indexes;  // [0] is the row-order index
    MemTableIndex* current = nullptr;
    std::int64_t nextId = 0;
    std::int64_t nextUniqueId = 0;  // never reset while the table lives: bookmarks stay unambiguous
    int cursor = -1;
    bool atBof = true;
    bool atEof = true;

    // Edit buffer (insert/Edit states).
    FieldValues editValues;
    Record* editTarget = nullptr;  // the record being changed in Edit state
    bool editModified = false;
    int cursorBeforeInsert = -1;

    std::vector<MemTableObserver*> observers;
    int batchDepth = 0;
    bool batchChanged = false;  // something was held back during the current batch
    mutable std::recursive_mutex lock;

    bool hasRecord() const { return current && cursor >= 0 && cursor < current->count(); }
    Record* currentRecord() const { return hasRecord() ? current->at(cursor) : nullptr; }
    bool isEditing() const { return state == TableState::Insert || state == TableState::Edit; }

    void checkActive() const;
    int requireField(std::string_view fieldName) const;
    void checkFieldNumber(int field) const;
    const FieldValues* visibleValues() const;

    void notify(DataEvent event, int row);
    void endPendingEdit();  // posts a modified edit, drops an unmodified one
    void moveTo(int position);
    void clearRecords();
    void buildIndexes();
    Record* findByUniqueId(std::int64_t uniqueId) const;
};

}  // namespace memtable
