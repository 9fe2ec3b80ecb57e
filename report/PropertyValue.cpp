#include "report/PropertyValue.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace report {

long long propertyAsInt(const PropertyValue& v) {
    if (auto b = std::get_if<bool>(&v)) return *b ? 1 : 0;
    if (auto i = std::get_if<long long>(&v)) return *i;
    if (auto d = std::get_if<double>(&v))
        return std::isfinite(*d) ? static_cast<long long>(std::llround(*d)) : 0;
    if (auto s = std::get_if<std::string>(&v)) {
        long long out = 0;
        std::from_chars(s->data(), s->data() + s->size(), out);
        return out;
    }
    return 0;
}

double propertyAsDouble(const PropertyValue& v) {
    if (auto d = std::get_if<double>(&v)) return *d;
    if (auto s = std::get_if<std::string>(&v)) {
        double out = 0;
        std::from_chars(s->data(), s->data() + s->size(), out);
        return out;
    }
    return static_cast<double>(propertyAsInt(v));
}

bool propertyAsBool(const PropertyValue& v) {
    if (auto s = std::get_if<std::string>(&v)) return *s == "1" || *s == "True" || *s == "true";
    return propertyAsInt(v) != 0;
}

std::string propertyAsText(const PropertyValue& v) {
    if (auto s = std::get_if<std::string>(&v)) return *s;
    if (auto b = std::get_if<bool>(&v)) return *b ? "True" : "False";
    if (auto i = std::get_if<long long>(&v)) return std::to_string(*i);
    if (auto d = std::get_if<double>(&v)) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%g", *d);
        return buf;
    }
    return {};
}

}  // namespace report
