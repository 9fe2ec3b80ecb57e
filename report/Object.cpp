#include "report/Object.h"

#include <cctype>

namespace report {

std::string TfrObject::upper(const std::string& s) {
    std::string out = s;
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

bool TfrObject::setProperty(const std::string& propertyName, const PropertyValue& value) {
    if (upper(propertyName) != "NAME") return false;
    setName(propertyAsText(value));
    return true;
}

PropertyValue TfrObject::property(const std::string& propertyName) const {
    if (upper(propertyName) == "NAME") return name_;
    return {};
}

bool TfrObject::callMethod(const std::string&) { return false; }

std::vector<std::string> TfrObject::propertyNames() const { return {"Name"}; }

}  // namespace report
