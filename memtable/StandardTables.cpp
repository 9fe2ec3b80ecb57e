#include "memtable/StandardTables.h"

namespace memtable {

std::unique_ptr<MemTable> makePrintListTable() {
    auto table = std::make_unique<MemTable>("kb1");
    // The definition says 11 characters but the field object's 16 applies.
    table->addFieldDef({.name = "giorno", .size = 11});
    table->addField({.name = "giorno", .size = 16});
    return table;
}

std::unique_ptr<MemTable> makeFiscalCodeTable() {
    auto table = std::make_unique<MemTable>("kb2");
    table->addFieldDef({.name = "codice", .size = 16, .required = true});
    table->addField({.name = "codice", .size = 16, .required = true});
    // ixPrimary gives an ascending, case-sensitive, locale-ordered index that admits duplicates.
    table->addIndexDef({.name = "kb2Index1", .fields = "codice", .options = ixPrimary});
    table->setIndexFieldNames("codice");
    table->setIndexName("codice");
    return table;
}

}  // namespace memtable
