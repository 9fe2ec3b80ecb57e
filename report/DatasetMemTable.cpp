#include "report/DatasetMemTable.h"

namespace report {

namespace {

memtable::Bookmark toTable(const expression::DatasetBookmark& b) {
    return memtable::Bookmark{b.id};
}

}  // namespace

expression::DatasetBookmark MemTableDataset::getBookmark() {
    return expression::DatasetBookmark{table_.getBookmark().uniqueId};
}

void MemTableDataset::gotoBookmark(const expression::DatasetBookmark& bookmark) {
    // A bookmark of a record deleted meanwhile leaves the cursor where it is.
    table_.gotoBookmark(toTable(bookmark));
}

void MemTableDataset::freeBookmark(expression::DatasetBookmark& bookmark) {
    memtable::Bookmark b = toTable(bookmark);
    table_.freeBookmark(b);
    bookmark = {};
}

int MemTableDataset::compareBookmarks(const expression::DatasetBookmark& a,
                                      const expression::DatasetBookmark& b) const {
    return table_.compareBookmarks(toTable(a), toTable(b));
}

int MemTableDataset::fieldIndex(std::string_view fieldName) const {
    return table_.fieldIndex(fieldName);
}

expression::Value MemTableDataset::fieldValue(int field) const {
    const auto value = table_.fieldValue(table_.fieldDef(field).name);
    return value ? expression::Value(*value) : expression::Value();
}

std::string MemTableDataset::fieldDisplayText(int field) const {
    return table_.fieldText(field);
}

}  // namespace report
