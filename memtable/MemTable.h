#pragma once
// MemTable: a data set that keeps its records in memory, with a cursor, an insertion-order
// index, ordered indexes, nearest-key search, bookmarks and change notifications.
//
// Every operation holds the table's re-entrant lock while it runs. Failures throw DatasetError
// (or EMemTableError) and leave the table as it was before the failing step.

#include "memtable/Bookmark.h"
#include "memtable/FieldDef.h"
#include "memtable/MemTableError.h"
#include "memtable/MemTableObserver.h"

#include <locale>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace memtable {

enum class TableState { Inactive, Browse, Insert, Edit };

class MemTable {
public:
    explicit MemTable(std::string name = {});
    ~MemTable();
    MemTable(const MemTable&) = delete;
    MemTable& operator=(const MemTable&) = delete;

    const std::string& name() const;

    // --- Definitions (take effect at the next open) ---
    void addFieldDef(const FieldDef& def);
    // A persistent field object; when any exists, these replace the field definitions at open.
    void addField(const FieldDef& field);
    void addIndexDef(const IndexDef& def);
    void setIndexFieldNames(std::string fieldNames);
    void setIndexName(std::string indexName);
    // Collation used for string order; defaults to the user's locale (classic when unavailable).
    void setCollationLocale(const std::locale& locale);

    // --- Lifecycle ---
    void open();
    void close();
    bool isActive() const;
    TableState state() const;

    // --- Cursor ---
    void first();
    void next();
    void prior();
    void last();
    bool eof() const;
    bool bof() const;
    int recordCount() const;
    // 1-based position of the current record in the current index; -1 when there is none.
    int recordNumber() const;
    // Moves the cursor to the record at 1-based position n (posting any pending edit first);
    // an n outside 1..recordCount() leaves the cursor where it is.
    void setRecordNumber(int n);
    bool isEmpty() const;

    // --- Editing ---
    void append();
    void edit();
    void post();
    void cancel();
    void deleteRecord();
    void refresh();

    // --- Fields of the current record (or of the record being edited) ---
    int fieldCount() const;
    int fieldIndex(std::string_view fieldName) const;         // -1 when absent
    const FieldDef& fieldDef(int field) const;                // the bound field (valid while open)
    std::string fieldText(std::string_view fieldName) const;  // "" for null
    std::optional<std::string> fieldValue(std::string_view fieldName) const;  // nullopt for null
    bool fieldIsNull(std::string_view fieldName) const;
    void setFieldText(std::string_view fieldName, std::string_view text);
    void clearField(std::string_view fieldName);  // sets the field to null
    std::string fieldText(int field) const;
    std::optional<std::string> fieldValue(int field) const;
    void setFieldText(int field, std::string_view text);

    // --- Random access by row of the current index (0-based), for grid models ---
    std::string fieldTextAt(int row, int field) const;
    std::optional<std::string> fieldValueAt(int row, int field) const;

    // --- Indexes ---
    // Name and field list of the index the cursor walks ("" and "" for insertion order).
    std::string currentIndexName() const;
    std::string currentIndexFields() const;
    // Posts a pending edit, then moves to the first record, in the current index's order, whose
    // key is >= keyValues (one value per index field; missing ones count as null, surplus ones
    // are ignored) and returns true. Returns false with the cursor unchanged when no record
    // qualifies; on an ordered index of more than 20 records a key above every value lands on
    // the last record instead. An empty key lands on the first record.
    bool seekNearest(const std::vector<std::string>& keyValues);

    // --- Bookmarks ---
    Bookmark getBookmark() const;
    bool bookmarkValid(const Bookmark& bookmark) const;
    // Moves to the bookmarked record; false (cursor unchanged) when it no longer exists.
    bool gotoBookmark(const Bookmark& bookmark);
    void freeBookmark(Bookmark& bookmark);
    // <0, 0, >0 like the records' insertion order; an invalid bookmark sorts first.
    int compareBookmarks(const Bookmark& a, const Bookmark& b) const;

    // --- Notifications ---
    void addObserver(MemTableObserver* observer);
    void removeObserver(MemTableObserver* observer);
    // A batch of changes (loading a file, filling a list) tells the observers once, when the
    // outermost batch ends: one DataChanged if anything happened meanwhile, instead of one
    // notification per change. Batches nest; MemTableBatch holds one for a scope.
    void beginBatch();
    void endBatch();

private:
    struct Data;
    std::unique_ptr<Data> d;
};

}  // namespace memtable
