#include "memtable/StringCollator.h"

#include "platform/Utf8.h"

#include <algorithm>

namespace memtable {

StringCollator::StringCollator(const std::locale& locale)
    : m_locale(locale),
      m_collate(&std::use_facet<std::collate<wchar_t>>(m_locale)),
      m_ctype(&std::use_facet<std::ctype<wchar_t>>(m_locale)) {}

std::locale StringCollator::userLocale() {
    try {
        return std::locale("");
    } catch (const std::runtime_error&) {
        return std::locale::classic();
    }
}

std::wstring StringCollator::prepared(std::string_view text, MemTableCompareOptions options) const {
    static_assert(sizeof(wchar_t) == 4, "code points are held in 32-bit wchar_t");
    const std::vector<char32_t> codePoints = platform::utf8Decode(text);
    std::wstring wide(codePoints.begin(), codePoints.end());
    if (options & mtcoCaseInsensitive) m_ctype->tolower(wide.data(), wide.data() + wide.size());
    return wide;
}

static int sign(int value) {
    return (value > 0) - (value < 0);
}

int StringCollator::compareWide(const std::wstring& a, const std::wstring& b,
                                MemTableCompareOptions options) const {
    if (options & mtcoIgnoreLocale) return sign(a.compare(b));
    return sign(m_collate->compare(a.data(), a.data() + a.size(), b.data(), b.data() + b.size()));
}

int StringCollator::compare(std::string_view key, std::string_view value, MemTableCompareOptions options,
                            bool partial) const {
    const std::wstring wideKey = prepared(key, options);
    std::wstring wideValue = prepared(value, options);
    if (partial && wideValue.size() > wideKey.size()) wideValue.resize(wideKey.size());
    return compareWide(wideKey, wideValue, options);
}

std::wstring StringCollator::sortKey(std::string_view text, MemTableCompareOptions options) const {
    std::wstring wide = prepared(text, options);
    if (options & mtcoIgnoreLocale) return wide;
    return m_collate->transform(wide.data(), wide.data() + wide.size());
}

}  // namespace memtable
