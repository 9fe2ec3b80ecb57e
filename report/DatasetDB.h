// DBDataset: a report dataset that walks a data set of the data-set framework (here the
// print list kb1), given directly as dataSet or through a dataSource.
#pragma once

#include "expression/DatasetAccess.h"
#include "report/Dataset.h"

namespace report {

class DBDataset : public Dataset {
public:
    using Dataset::Dataset;
    void init() override;
    void exit() override;
    void first() override;
    void next() override;
    void prior() override;
    bool eof() override;

    expression::DatasetAccess* dataSet() const { return dataSet_; }
    expression::DataSourceAccess* dataSource() const { return dataSource_; }
    // Setting a data set clears the data source; setting a data source clears the data set.
    void setDataset(expression::DatasetAccess* dataSet);
    void setDataSource(expression::DataSourceAccess* dataSource);
    // The same by component name, looked up among the owner's components; an unknown name
    // leaves the reference empty (every operation then fails).
    void setDatasetName(std::string_view name, const expression::DatasetComponents& components);
    void setDataSourceName(std::string_view name, const expression::DatasetComponents& components);
    // The owner tells the adaptor that a component is being freed: references to it are cleared.
    void componentFreed(const void* component);

    bool openDataSource = true;
    bool closeDataSource = false;
    Notify onOpen, onClose;

    // The data source's data set when it has one, else dataSet; throws DatasetError
    // "Unable to open dataset <name>" when there is neither.
    expression::DatasetAccess& dataSetInUse() const;

private:
    void releaseBookmark(expression::DatasetAccess& dataSet);

    expression::DatasetAccess* dataSet_ = nullptr;
    expression::DataSourceAccess* dataSource_ = nullptr;
    expression::DatasetAccess* bookmarkOwner_ = nullptr;
    expression::DatasetBookmark bookmark_;
    bool ownEof_ = false;
};

}  // namespace report
