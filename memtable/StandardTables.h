#pragma once
// The two tables of the main window: the print list and the fiscal-code list.

#include "memtable/MemTable.h"

#include <memory>

namespace memtable {

// kb1: one string field "giorno" of 16 characters, insertion order only.
std::unique_ptr<MemTable> makePrintListTable();
// kb2: required string field "codice" of 16 characters, ordered ascending by index "kb2Index1".
std::unique_ptr<MemTable> makeFiscalCodeTable();

}  // namespace memtable
