// Base of every report object and page: a name and properties read and written by name.
#pragma once

#include <string>
#include <vector>

#include "report/PropertyValue.h"

namespace report {

class Object {
public:
    virtual ~Object() = default;

    const std::string& name() const { return name_; }
    virtual void setName(const std::string& name) { name_ = name; }

    // Sets the property `propertyName` (compared without regard to case); false when the
    // object has no such property.
    virtual bool setProperty(const std::string& propertyName, const PropertyValue& value);
    // The property's value, or monostate when the object has no such property.
    virtual PropertyValue property(const std::string& propertyName) const;
    // Runs a named method ("HIDE", "SHOW", band moves); false when the object has none.
    virtual bool callMethod(const std::string& methodName);
    // The property names this object serves, in the order they are defined.
    virtual std::vector<std::string> propertyNames() const;

protected:
    static std::string upper(const std::string& s);

private:
    std::string name_;
};

}  // namespace report
