// Evaluating the label templates' expression [kb1."giorno"] against the print list.
#include "expression/ExpressionEvaluator.h"
#include "memtable/StandardTables.h"
#include "report/DatasetMemTable.h"

#include <benchmark/benchmark.h>

namespace {

class PrintListContext : public expression::ExpressionContext {
public:
    explicit PrintListContext(expression::DatasetAccess& kb1) : kb1_(kb1) {}
    expression::DatasetAccess* findDatasetComponent(const std::string& path) const override {
        return path == "kb1" ? &kb1_ : nullptr;
    }

private:
    expression::DatasetAccess& kb1_;
};

void BM_ExpandPrintListField(benchmark::State& state) {
    auto kb1 = memtable::makePrintListTable();
    kb1->open();
    kb1->append();
    kb1->setFieldText("giorno", "0123456789");
    kb1->post();
    kb1->first();
    report::MemTableDataset dataSet(*kb1);
    PrintListContext context(dataSet);
    expression::ExpressionEvaluator evaluator(context);
    const expression::ObjectDisplay display;
    for (auto _ : state) benchmark::DoNotOptimize(evaluator.expandLine("[kb1.\"giorno\"]", display));
}
BENCHMARK(BM_ExpandPrintListField);

}  // namespace
