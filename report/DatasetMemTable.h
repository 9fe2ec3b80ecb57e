// The memory table seen as a data set of the data-set framework, for the report dataset
// adaptor and for field references in expressions.
#pragma once

#include "expression/DatasetAccess.h"
#include "memtable/MemTable.h"

namespace report {

class MemTableDataset : public expression::DatasetAccess {
public:
    explicit MemTableDataset(memtable::MemTable& table) : table_(table) {}

    memtable::MemTable& table() const { return table_; }

    const std::string& name() const override { return table_.name(); }
    bool isOpen() const override { return table_.isActive(); }
    void open() override { table_.open(); }
    void close() override { table_.close(); }
    void first() override { table_.first(); }
    void next() override { table_.next(); }
    void prior() override { table_.prior(); }
    bool eof() const override { return table_.eof(); }

    expression::DatasetBookmark getBookmark() override;
    void gotoBookmark(const expression::DatasetBookmark& bookmark) override;
    void freeBookmark(expression::DatasetBookmark& bookmark) override;
    int compareBookmarks(const expression::DatasetBookmark& a,
                         const expression::DatasetBookmark& b) const override;

    int fieldIndex(std::string_view fieldName) const override;
    // The memory table holds string fields only, with no get-text handlers.
    expression::DataFieldType fieldType(int) const override { return expression::DataFieldType::String; }
    bool fieldHasGetTextHandler(int) const override { return false; }
    expression::Value fieldValue(int field) const override;
    std::string fieldDisplayText(int field) const override;

private:
    memtable::MemTable& table_;
};

}  // namespace report
