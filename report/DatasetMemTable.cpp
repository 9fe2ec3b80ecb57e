#include "report/DatasetMemTable.h"

namespace report {

namespace {

memtable::Bookmark toTable(const DatasetBookmark& b) {
    return memtable::Bookmark{b.id};
}

}  // namespace

DatasetBookmark MemTableDataset::getBookmark() {
    return DatasetBookmark{table_.getBookmark().uniqueId};
}

void MemTableDataset::gotoBookmark(const DatasetBookmark& bookmark) {
    // A bookmark of a record deleted meanwhile leaves the cursor where it is.
    table_.gotoBookmark(toTable(bookmark));
}

void MemTableDataset::freeBookmark(DatasetBookmark& bookmark) {
    memtable::Bookmark b = toTable(bookmark);
    table_.freeBookmark(b);
    bookmark = {};
}

int MemTableDataset::compareBookmarks(const DatasetBookmark& a, const DatasetBookmark& b) const {
    return table_.compareBookmarks(toTable(a), toTable(b));
}

int MemTableDataset::fieldIndex(std::string_view fieldName) const {
    return table_.fieldIndex(fieldName);
}

Value MemTableDataset::fieldValue(int field) const {
    const auto value = table_.fieldValue(table_.fieldDef(field).name);
    return value ? Value(*value) : Value();
}

std::string MemTableDataset::fieldDisplayText(int field) const {
    return table_.fieldText(field);
}

}  // namespace report
