#pragma once
// String order of memory-table indexes: the locale's collation, or plain code-point order
// with mtcoIgnoreLocale; optionally case-insensitive.

#include "memtable/CompareOptions.h"

#include <locale>
#include <string>
#include <string_view>

namespace memtable {

class StringCollator {
public:
    explicit StringCollator(const std::locale& locale = userLocale());

    // The user's default locale, or the classic locale when the environment names none usable.
    static std::locale userLocale();

    // <0, 0, >0 as key sorts before, with, after value. With partial set, value is first cut to
    // as many characters as key has. mtcoDescending is not applied here.
    int compare(std::string_view key, std::string_view value, MemTableCompareOptions options,
                bool partial) const;

    // A key whose plain (wchar_t) order equals compare()'s order on whole values.
    std::wstring sortKey(std::string_view text, MemTableCompareOptions options) const;

private:
    std::wstring prepared(std::string_view text, MemTableCompareOptions options) const;
    int compareWide(const std::wstring& a, const std::wstring& b, MemTableCompareOptions options) const;

    std::locale m_locale;
    const std::collate<wchar_t>* m_collate;
    const std::ctype<wchar_t>* m_ctype;
};

}  // namespace memtable
