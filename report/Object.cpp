#include "report/Object.h"

#include <cctype>

namespace report {

std::string Object::upper(const std::string& s) {
    std::string out = s;
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

bool Object::setProperty(const std::string& propertyName, const PropertyValue& value) {
    if (upper(propertyName) != "NAME") return false;
    setName(propertyAsText(value));
    return true;
}

PropertyValue Object::property(const std::string& propertyName) const {
    if (upper(propertyName) == "NAME") return name_;
    return {};
}

bool Object::callMethod(const std::string&) {
    return false;
}

std::vector<std::string> Object::propertyNames() const {
    return {"Name"};
}

}  // namespace report
