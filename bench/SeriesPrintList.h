// The print list the benchmarks prepare: `labels` series codes in the field the series
// template reads.
#pragma once

#include <string>

#include "memtable/MemTable.h"

namespace bench_support {

inline void fillSeriesPrintList(memtable::MemTable& kb1, int labels) {
    kb1.addFieldDef({"giorno", memtable::FieldType::String, 16, false, false});
    kb1.open();
    for (int i = 0; i < labels; ++i) {
        kb1.append();
        kb1.setFieldText("giorno", std::to_string(1905000000 + i));
        kb1.post();
    }
}

}  // namespace bench_support
