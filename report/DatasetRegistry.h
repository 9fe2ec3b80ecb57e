// The owner's component registry seen as a directory of data sets and data sources. A
// component registered as a memory table is adapted to a data set on first use.
#pragma once

#include "expression/DatasetAccess.h"
#include "report/DatasetMemTable.h"

#include <map>
#include <memory>

namespace report {

class ComponentRegistry;

class RegistryDatasetComponents : public expression::DatasetComponents {
public:
    explicit RegistryDatasetComponents(const ComponentRegistry* registry = nullptr) : registry_(registry) {}
    void setRegistry(const ComponentRegistry* registry) { registry_ = registry; }

    expression::DatasetAccess* findDataset(std::string_view componentName) const override;
    expression::DataSourceAccess* findDataSource(std::string_view componentName) const override;

private:
    const ComponentRegistry* registry_;
    mutable std::map<const memtable::MemTable*, std::unique_ptr<MemTableDataset>> tables_;
};

}  // namespace report
