#pragma once
// Shared helpers of the memory-table tests.

#include "memtable/MemTable.h"

#include <locale>
#include <memory>
#include <string>
#include <vector>

namespace memtable::testing {

// A one-field table "k" (size 16) with one index on it, made current.
inline std::unique_ptr<MemTable> makeIndexedTable(IndexOptions options = ixPrimary,
                                                  MemTableCompareOptions extra = 0,
                                                  const std::locale* locale = nullptr) {
    auto table = std::make_unique<MemTable>("t");
    table->addFieldDef({.name = "k", .size = 16});
    table->addIndexDef({.name = "byK", .fields = "k", .options = options, .compareOptions = extra});
    table->setIndexFieldNames("k");
    if (locale) table->setCollationLocale(*locale);
    table->open();
    return table;
}

inline void appendValue(MemTable& table, const std::string& value, const std::string& field = "k") {
    table.append();
    table.setFieldText(field, value);
    table.post();
}

inline void appendValues(MemTable& table, const std::vector<std::string>& values,
                         const std::string& field = "k") {
    for (const auto& value : values) appendValue(table, value, field);
}

// Field 0 of every record, in the current index's order.
inline std::vector<std::string> contents(const MemTable& table) {
    std::vector<std::string> result;
    for (int row = 0; row < table.recordCount(); ++row) result.push_back(table.fieldTextAt(row, 0));
    return result;
}

// Dictionary-like collation: letters compare without case first, lower case before upper
// case breaks ties. Differs from plain code-point order, so tests can tell which one is used.
class DictionaryCollate : public std::collate<wchar_t> {
protected:
    int do_compare(const wchar_t* a1, const wchar_t* a2, const wchar_t* b1,
                   const wchar_t* b2) const override {
        const string_type a = do_transform(a1, a2), b = do_transform(b1, b2);
        return a < b ? -1 : a > b ? 1 : 0;
    }
    string_type do_transform(const wchar_t* begin, const wchar_t* end) const override {
        string_type folded, cases;
        for (const wchar_t* p = begin; p != end; ++p) {
            const bool upper = *p >= L'A' && *p <= L'Z';
            folded.push_back(upper ? static_cast<wchar_t>(*p - L'A' + L'a') : *p);
            cases.push_back(upper ? L'2' : L'1');
        }
        return folded + L'\1' + cases;
    }
};

inline const std::locale& dictionaryLocale() {
    static const std::locale locale(std::locale::classic(), new DictionaryCollate);
    return locale;
}

}  // namespace memtable::testing
