// What the report engine needs of a data set of the data-set framework: open and close, the
// cursor, bookmarks and fields by name. The memory table is adapted to it in
// DatasetMemTable.h; tests use fakes.
#pragma once

#include "expression/ExpressionValue.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace expression {

struct DatasetBookmark {
    std::int64_t id = -1;  // -1: no record
    bool isValid() const { return id >= 0; }
};

enum class DataFieldType { String, Integer, LargeInt, Float, Boolean, DateTime, Other };

class DatasetAccess {
public:
    virtual ~DatasetAccess() = default;

    virtual const std::string& name() const = 0;

    virtual bool isOpen() const = 0;
    virtual void open() = 0;
    virtual void close() = 0;

    virtual void first() = 0;
    virtual void next() = 0;
    virtual void prior() = 0;
    virtual bool eof() const = 0;

    virtual DatasetBookmark getBookmark() = 0;
    virtual void gotoBookmark(const DatasetBookmark& bookmark) = 0;
    virtual void freeBookmark(DatasetBookmark& bookmark) = 0;
    // <0, 0, >0 as the records' order.
    virtual int compareBookmarks(const DatasetBookmark& a, const DatasetBookmark& b) const = 0;

    // Fields are addressed by name (case-insensitive) or by the index found for a name,
    // which stays valid while the data set is not closed and reopened with other fields.
    // A closed data set still knows its fields' names; values need it open.
    virtual int fieldIndex(std::string_view fieldName) const = 0;  // -1 when absent
    virtual DataFieldType fieldType(int field) const = 0;
    virtual bool fieldHasGetTextHandler(int field) const = 0;
    // The field's value in the current record; an empty Value for null.
    virtual Value fieldValue(int field) const = 0;
    virtual std::string fieldDisplayText(int field) const = 0;
};

// A data source: a component that points at a data set (or at none).
class DataSourceAccess {
public:
    virtual ~DataSourceAccess() = default;
    virtual DatasetAccess* dataSet() const = 0;
};

// The owner form's component registry, as far as data sets are concerned. Names are
// component names ("kb1"); nullptr when there is no such component or it is not of that kind.
class DatasetComponents {
public:
    virtual ~DatasetComponents() = default;
    virtual DatasetAccess* findDataset(std::string_view componentName) const = 0;
    virtual DataSourceAccess* findDataSource(std::string_view componentName) const = 0;
};

}  // namespace expression
