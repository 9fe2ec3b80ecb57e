#include "report/DatasetMemTable.h"

namespace report {

namespace {

memtable::Bookmark toTable(const DataSetBookmark& b) {
    return memtable::Bookmark{b.id};
}

}  // namespace

DataSetBookmark MemTableDataSet::getBookmark() {
    return DataSetBookmark{table_.getBookmark().uniqueId};
}

void MemTableDataSet::gotoBookmark(const DataSetBookmark& bookmark) {
    // A bookmark of a record deleted meanwhile leaves the cursor where it is.
    table_.gotoBookmark(toTable(bookmark));
}

void MemTableDataSet::freeBookmark(DataSetBookmark& bookmark) {
    memtable::Bookmark b = toTable(bookmark);
    table_.freeBookmark(b);
    bookmark = {};
}

int MemTableDataSet::compareBookmarks(const DataSetBookmark& a, const DataSetBookmark& b) const {
    return table_.compareBookmarks(toTable(a), toTable(b));
}

int MemTableDataSet::fieldIndex(std::string_view fieldName) const {
    return table_.fieldIndex(fieldName);
}

Value MemTableDataSet::fieldValue(int field) const {
    const auto value = table_.fieldValue(table_.fieldDef(field).name);
    return value ? Value(*value) : Value();
}

std::string MemTableDataSet::fieldDisplayText(int field) const {
    return table_.fieldText(field);
}

}  // namespace report
