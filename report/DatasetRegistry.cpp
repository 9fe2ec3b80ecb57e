#include "report/DatasetRegistry.h"

#include "report/ComponentRegistry.h"

namespace report {

expression::DatasetAccess* RegistryDatasetComponents::findDataset(std::string_view componentName) const {
    if (!registry_) return nullptr;
    const std::string name(componentName);
    if (auto* dataSet = registry_->find<expression::DatasetAccess>(name)) return dataSet;
    auto* table = registry_->find<memtable::MemTable>(name);
    if (!table) return nullptr;
    auto& adapted = tables_[table];
    if (!adapted) adapted = std::make_unique<MemTableDataset>(*table);
    return adapted.get();
}

expression::DataSourceAccess* RegistryDatasetComponents::findDataSource(
    std::string_view componentName) const {
    return registry_ ? registry_->find<expression::DataSourceAccess>(std::string(componentName)) : nullptr;
}

}  // namespace report
