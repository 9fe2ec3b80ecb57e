#include "expression/ExpressionFunctions.h"

#include "expression/ExpressionError.h"
#include "expression/ExpressionParser.h"
#include "expression/FormatDateTime.h"
#include "expression/FormatNumber.h"
#include "platform/Utf8.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace expression {

namespace {

using Args = std::span<const Value>;
using Body = Value (*)(Args, char);

std::string text(const Value& v, char sep) {
    return v.toText(sep);
}

DateTime dateOf(const Value& v) {
    if (v.isString()) {
        if (auto d = parseDate(v.asString())) return *d;
        if (auto t = parseTime(v.asString())) return *t;
        throw ExpressionError("'" + v.asString() + "' is not a valid date");
    }
    return DateTime{v.toDouble()};
}

// ASCII case mapping; other bytes (UTF-8 sequences) pass through unchanged.
std::string mapCase(std::string s, int (*map)(int)) {
    for (char& c : s)
        if (static_cast<unsigned char>(c) < 0x80) c = static_cast<char>(map(static_cast<unsigned char>(c)));
    return s;
}

// Each word starts with a capital, the rest in small letters.
std::string nameCase(std::string s) {
    bool wordStart = true;
    for (char& c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x80) {
            c = static_cast<char>(wordStart ? std::toupper(u) : std::tolower(u));
            wordStart = !std::isalnum(u) && c != '\'';
        } else {
            wordStart = false;
        }
    }
    return s;
}

std::string trim(const std::string& s) {
    const std::size_t first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

// Mask characters that take one character of the text: 0 9 # (digits or blanks), L l (letters),
// A a (letters or digits), C c (any). Everything else is copied; a mask section after ";" is
// ignored.
std::string applyMask(std::string_view mask, std::string_view value) {
    mask = mask.substr(0, mask.find(';'));
    std::string out;
    std::size_t v = 0;
    for (char m : mask) {
        if (std::string_view("09#LlAaCc").find(m) != std::string_view::npos) {
            if (v < value.size()) out += value[v++];
        } else {
            out += m;
        }
    }
    return out;
}

// POS(sub, text): 1-based character position of the first occurrence, 0 when absent.
Value position(Args a, char sep) {
    const std::string needle = text(a[0], sep), hay = text(a[1], sep);
    const std::size_t at = needle.empty() ? std::string::npos : hay.find(needle);
    return Value(
        static_cast<std::int64_t>(at == std::string::npos ? 0 : platform::utf8Length(hay.substr(0, at)) + 1));
}

struct Entry {
    FunctionInfo info;
    Body body;
};

// The library, one row per function. Aggregates have no body here.
const std::array<Entry, 23> kLibrary = {{
    {{"AVG", 1, 3, FunctionKind::Aggregate}, nullptr},
    {{"COUNT", 0, 3, FunctionKind::Aggregate}, nullptr},
    {{"SUM", 1, 3, FunctionKind::Aggregate}, nullptr},
    {{"MAX", 1, 3, FunctionKind::Aggregate}, nullptr},
    {{"MIN", 1, 3, FunctionKind::Aggregate}, nullptr},
    // DAYOF(date), MONTHOF(date), YEAROF(date): parts of a date
    {{"DAYOF", 1, 1, FunctionKind::Plain},
     [](Args a, char) { return Value(decodeDateTime(dateOf(a[0])).day); }},
    {{"MONTHOF", 1, 1, FunctionKind::Plain},
     [](Args a, char) { return Value(decodeDateTime(dateOf(a[0])).month); }},
    {{"YEAROF", 1, 1, FunctionKind::Plain},
     [](Args a, char) { return Value(decodeDateTime(dateOf(a[0])).year); }},
    // FORMATDATETIME(format, date), FORMATFLOAT(format, number), FORMATTEXT(mask, text)
    {{"FORMATDATETIME", 2, 2, FunctionKind::Plain},
     [](Args a, char sep) { return Value(formatDateTime(text(a[0], sep), dateOf(a[1]))); }},
    {{"FORMATFLOAT", 2, 2, FunctionKind::Plain},
     [](Args a, char sep) {
         return Value(formatFloat(text(a[0], sep), a[1].toDouble(), sep, thousandSeparatorFor(sep)));
     }},
    {{"FORMATTEXT", 2, 2, FunctionKind::Plain},
     [](Args a, char sep) { return Value(applyMask(text(a[0], sep), text(a[1], sep))); }},
    // INPUT(caption [, default]): the report core asks nobody, so the default is the answer.
    {{"INPUT", 1, 2, FunctionKind::Plain},
     [](Args a, char sep) { return Value(a.size() > 1 ? text(a[1], sep) : std::string()); }},
    // MESSAGEBOX(text, caption, buttons): without a window the answer is OK (1).
    {{"MESSAGEBOX", 1, 3, FunctionKind::Plain}, [](Args, char) { return Value(1); }},
    // LENGTH(text) in characters; LOWERCASE, UPPERCASE, NAMECASE, TRIM of a text
    {{"LENGTH", 1, 1, FunctionKind::Plain},
     [](Args a, char sep) {
         return Value(static_cast<std::int64_t>(platform::utf8Length(text(a[0], sep))));
     }},
    {{"LOWERCASE", 1, 1, FunctionKind::Plain},
     [](Args a, char sep) { return Value(mapCase(text(a[0], sep), std::tolower)); }},
    {{"UPPERCASE", 1, 1, FunctionKind::Plain},
     [](Args a, char sep) { return Value(mapCase(text(a[0], sep), std::toupper)); }},
    {{"NAMECASE", 1, 1, FunctionKind::Plain},
     [](Args a, char sep) { return Value(nameCase(text(a[0], sep))); }},
    {{"TRIM", 1, 1, FunctionKind::Plain}, [](Args a, char sep) { return Value(trim(text(a[0], sep))); }},
    // MAXNUM(a, b), MINNUM(a, b): the larger / smaller of two numbers
    {{"MAXNUM", 2, 2, FunctionKind::Plain},
     [](Args a, char) { return a[0].toDouble() >= a[1].toDouble() ? a[0] : a[1]; }},
    {{"MINNUM", 2, 2, FunctionKind::Plain},
     [](Args a, char) { return a[0].toDouble() <= a[1].toDouble() ? a[0] : a[1]; }},
    {{"POS", 2, 2, FunctionKind::Plain}, position},
    // STRTODATE("dd/mm/yyyy"), STRTOTIME("hh:nn[:ss]")
    {{"STRTODATE", 1, 1, FunctionKind::Plain},
     [](Args a, char sep) {
         if (auto d = parseDate(text(a[0], sep))) return Value(*d);
         throw ExpressionError("'" + text(a[0], sep) + "' is not a valid date");
     }},
    {{"STRTOTIME", 1, 1, FunctionKind::Plain},
     [](Args a, char sep) {
         if (auto t = parseTime(text(a[0], sep))) return Value(*t);
         throw ExpressionError("'" + text(a[0], sep) + "' is not a valid time");
     }},
}};

}  // namespace

const FunctionInfo* findLibraryFunction(std::string_view upperName) {
    const auto it = std::find_if(kLibrary.begin(), kLibrary.end(),
                                 [&](const Entry& e) { return e.info.name == upperName; });
    return it == kLibrary.end() ? nullptr : &it->info;
}

Value callLibraryFunction(const FunctionInfo& function, std::span<const Value> arguments,
                          char decimalSeparator) {
    const auto count = static_cast<int>(arguments.size());
    if (count < function.minArguments || count > function.maxArguments)
        throw ExpressionError("Numero di argomenti errato per " + std::string(function.name));
    const auto it =
        std::find_if(kLibrary.begin(), kLibrary.end(), [&](const Entry& e) { return &e.info == &function; });
    if (it == kLibrary.end() || !it->body)
        throw ExpressionError("Funzione non disponibile: " + std::string(function.name));
    return it->body(arguments, decimalSeparator);
}

}  // namespace expression
