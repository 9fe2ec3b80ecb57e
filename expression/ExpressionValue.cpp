#include "expression/ExpressionValue.h"

#include "expression/ExpressionError.h"
#include "expression/FormatDateTime.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace expression {

namespace {

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

}  // namespace

bool parseNumber(std::string_view text, double& out) {
    text = trimmed(text);
    if (text.empty() || text.size() > 64) return false;
    char buffer[72];
    std::size_t n = 0;
    for (char c : text) buffer[n++] = (c == ',') ? '.' : c;
    const char* begin = buffer;
    if (*begin == '+') ++begin;
    auto [end, ec] = std::from_chars(begin, buffer + n, out);
    return ec == std::errc() && end == buffer + n;
}

std::string formatGeneralFloat(double v, char decimalSeparator) {
    if (std::isnan(v)) return "NAN";
    if (std::isinf(v)) return v > 0 ? "INF" : "-INF";
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15G", v);
    std::string s = buffer;
    for (char& c : s)
        if (c == '.') c = decimalSeparator;
    return s;
}

double Value::toDouble() const {
    switch (kind()) {
        case Kind::Empty:
            return 0.0;
        case Kind::Integer:
            return static_cast<double>(std::get<std::int64_t>(data_));
        case Kind::Float:
            return std::get<double>(data_);
        case Kind::Date:
            return std::get<DateTime>(data_).days;
        case Kind::Boolean:
            return std::get<bool>(data_) ? 1.0 : 0.0;
        case Kind::String: {
            const std::string& s = asString();
            if (trimmed(s).empty()) return 0.0;
            double v = 0;
            if (!parseNumber(s, v)) throw ExpressionError("'" + s + "' is not a valid floating point value");
            return v;
        }
    }
    return 0.0;
}

std::int64_t Value::toInteger() const {
    if (kind() == Kind::Integer) return std::get<std::int64_t>(data_);
    const double v = std::trunc(toDouble());
    // Clamp instead of overflowing: the conversion of an out-of-range double is undefined.
    constexpr double kLimit = 9.2e18;
    if (!(v > -kLimit)) return std::numeric_limits<std::int64_t>::min();
    if (!(v < kLimit)) return std::numeric_limits<std::int64_t>::max();
    return static_cast<std::int64_t>(v);
}

bool Value::toBool() const {
    switch (kind()) {
        case Kind::Boolean:
            return std::get<bool>(data_);
        case Kind::String: {
            const std::string& s = asString();
            if (s == "True" || s == "TRUE" || s == "true") return true;
            if (s == "False" || s == "FALSE" || s == "false" || trimmed(s).empty()) return false;
            return toDouble() != 0.0;
        }
        default:
            return toDouble() != 0.0;
    }
}

std::string Value::toText(char decimalSeparator) const {
    switch (kind()) {
        case Kind::Empty:
            return {};
        case Kind::Integer:
            return std::to_string(std::get<std::int64_t>(data_));
        case Kind::Float:
            return formatGeneralFloat(std::get<double>(data_), decimalSeparator);
        case Kind::Date:
            return defaultDateTimeText(std::get<DateTime>(data_));
        case Kind::Boolean:
            return std::get<bool>(data_) ? "True" : "False";
        case Kind::String:
            return asString();
    }
    return {};
}

}  // namespace expression
