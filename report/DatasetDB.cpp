#include "report/DatasetDB.h"

#include "report/DatasetError.h"

namespace report {

expression::DatasetAccess& DBDataset::dataSetInUse() const {
    if (dataSource_ && dataSource_->dataSet()) return *dataSource_->dataSet();
    if (dataSet_) return *dataSet_;
    throw DatasetError(unableToOpenDataset(name()));
}

void DBDataset::setDataset(expression::DatasetAccess* dataSet) {
    dataSet_ = dataSet;
    dataSource_ = nullptr;
}

void DBDataset::setDataSource(expression::DataSourceAccess* dataSource) {
    dataSource_ = dataSource;
    if (dataSource) dataSet_ = nullptr;
}

void DBDataset::setDatasetName(std::string_view name, const expression::DatasetComponents& components) {
    setDataset(components.findDataset(name));
}

void DBDataset::setDataSourceName(std::string_view name, const expression::DatasetComponents& components) {
    setDataSource(components.findDataSource(name));
}

void DBDataset::componentFreed(const void* component) {
    if (component == dataSet_) dataSet_ = nullptr;
    if (component == dataSource_) dataSource_ = nullptr;
    if (component == bookmarkOwner_) {
        bookmarkOwner_ = nullptr;
        bookmark_ = {};
    }
}

void DBDataset::init() {
    expression::DatasetAccess& ds = dataSetInUse();
    if (openDataSource && !ds.isOpen()) ds.open();
    if (onOpen) onOpen(*this);
    releaseBookmark(ds);
    if (rangeBegin == RangeBegin::rbCurrent || rangeEnd == RangeEnd::reCurrent) {
        bookmark_ = ds.getBookmark();
        bookmarkOwner_ = &ds;
    }
    ownEof_ = false;
}

// exit goes back to the record current at init only when a bookmark was taken; otherwise
// the data set stays where the walk left it.
void DBDataset::exit() {
    expression::DatasetAccess& ds = dataSetInUse();
    if (bookmark_.isValid() && bookmarkOwner_ == &ds) {
        ds.gotoBookmark(bookmark_);
        ds.freeBookmark(bookmark_);
    }
    bookmark_ = {};
    bookmarkOwner_ = nullptr;
    if (onClose) onClose(*this);
    if (closeDataSource) ds.close();
}

void DBDataset::first() {
    expression::DatasetAccess& ds = dataSetInUse();
    if (rangeBegin == RangeBegin::rbCurrent && bookmark_.isValid() && bookmarkOwner_ == &ds)
        ds.gotoBookmark(bookmark_);
    else
        ds.first();
    ownEof_ = false;
    Dataset::first();
}

// With reCurrent the range ends with the record that was current at init: reaching it sets
// the end flag; before it the data set moves on as usual.
void DBDataset::next() {
    expression::DatasetAccess& ds = dataSetInUse();
    ownEof_ = false;
    if (rangeEnd == RangeEnd::reCurrent && bookmark_.isValid() && bookmarkOwner_ == &ds) {
        expression::DatasetBookmark here = ds.getBookmark();
        ownEof_ = ds.compareBookmarks(here, bookmark_) == 0;
        ds.freeBookmark(here);
    }
    if (!ownEof_) ds.next();
    Dataset::next();
}

void DBDataset::prior() {
    dataSetInUse().prior();
    Dataset::prior();
}

bool DBDataset::eof() {
    expression::DatasetAccess& ds = dataSetInUse();
    return Dataset::eof() || ds.eof() || ownEof_;
}

void DBDataset::releaseBookmark(expression::DatasetAccess& ds) {
    if (bookmark_.isValid() && bookmarkOwner_ == &ds) ds.freeBookmark(bookmark_);
    bookmark_ = {};
    bookmarkOwner_ = nullptr;
}

}  // namespace report
