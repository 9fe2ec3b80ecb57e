// The value of a report-object property read or written by name.
#pragma once

#include <string>
#include <variant>

namespace report {

// monostate: the object has no such property.
using PropertyValue = std::variant<std::monostate, bool, long long, double, std::string>;

// Conversions used by setters: a property given in another representation is coerced.
long long propertyAsInt(const PropertyValue& v);
double propertyAsDouble(const PropertyValue& v);
bool propertyAsBool(const PropertyValue& v);
std::string propertyAsText(const PropertyValue& v);

}  // namespace report
