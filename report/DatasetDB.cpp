#include "report/DatasetDB.h"

#include "report/DatasetError.h"

namespace report {

DataSetAccess& TfrDBDataSet::dataSetInUse() const
{
    if (dataSource_ && dataSource_->dataSet()) return *dataSource_->dataSet();
    if (dataSet_) return *dataSet_;
    throw DatasetError(unableToOpenDataset(name()));
}

void TfrDBDataSet::setDataSet(DataSetAccess* dataSet)
{
    dataSet_ = dataSet;
    dataSource_ = nullptr;
}

void TfrDBDataSet::setDataSource(DataSourceAccess* dataSource)
{
    dataSource_ = dataSource;
    if (dataSource) dataSet_ = nullptr;
}

void TfrDBDataSet::setDataSetName(std::string_view name, const DatasetComponents& components)
{
    setDataSet(components.findDataSet(name));
}

void TfrDBDataSet::setDataSourceName(std::string_view name, const DatasetComponents& components)
{
    setDataSource(components.findDataSource(name));
}

void TfrDBDataSet::componentFreed(const void* component)
{
    if (component == dataSet_) dataSet_ = nullptr;
    if (component == dataSource_) dataSource_ = nullptr;
    if (component == bookmarkOwner_) {
        bookmarkOwner_ = nullptr;
        bookmark_ = {};
    }
}

void TfrDBDataSet::Init()
{
    DataSetAccess& ds = dataSetInUse();
    if (OpenDataSource && !ds.isOpen()) ds.open();
    if (OnOpen) OnOpen(*this);
    releaseBookmark(ds);
    if (RangeBegin == TfrRangeBegin::rbCurrent || RangeEnd == TfrRangeEnd::reCurrent) {
        bookmark_ = ds.getBookmark();
        bookmarkOwner_ = &ds;
    }
    ownEof_ = false;
}

// Exit goes back to the record current at Init only when a bookmark was taken; otherwise
// the data set stays where the walk left it.
void TfrDBDataSet::Exit()
{
    DataSetAccess& ds = dataSetInUse();
    if (bookmark_.isValid() && bookmarkOwner_ == &ds) {
        ds.gotoBookmark(bookmark_);
        ds.freeBookmark(bookmark_);
    }
    bookmark_ = {};
    bookmarkOwner_ = nullptr;
    if (OnClose) OnClose(*this);
    if (CloseDataSource) ds.close();
}

void TfrDBDataSet::First()
{
    DataSetAccess& ds = dataSetInUse();
    if (RangeBegin == TfrRangeBegin::rbCurrent && bookmark_.isValid() && bookmarkOwner_ == &ds) ds.gotoBookmark(bookmark_);
    else ds.first();
    ownEof_ = false;
    TfrDataset::First();
}

// With reCurrent the range ends with the record that was current at Init: reaching it sets
// the end flag; before it the data set moves on as usual.
void TfrDBDataSet::Next()
{
    DataSetAccess& ds = dataSetInUse();
    ownEof_ = false;
    if (RangeEnd == TfrRangeEnd::reCurrent && bookmark_.isValid() && bookmarkOwner_ == &ds) {
        DataSetBookmark here = ds.getBookmark();
        ownEof_ = ds.compareBookmarks(here, bookmark_) == 0;
        ds.freeBookmark(here);
    }
    if (!ownEof_) ds.next();
    TfrDataset::Next();
}

void TfrDBDataSet::Prior()
{
    dataSetInUse().prior();
    TfrDataset::Prior();
}

bool TfrDBDataSet::Eof()
{
    DataSetAccess& ds = dataSetInUse();
    return TfrDataset::Eof() || ds.eof() || ownEof_;
}

void TfrDBDataSet::releaseBookmark(DataSetAccess& ds)
{
    if (bookmark_.isValid() && bookmarkOwner_ == &ds) ds.freeBookmark(bookmark_);
    bookmark_ = {};
    bookmarkOwner_ = nullptr;
}

} // namespace report
