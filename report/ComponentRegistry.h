// The owner's components that reports find by name (the print list, the fiscal-code list, the
// dataset adaptor). Components of any type are registered with their address; lookups name
// the type they expect and get nullptr for a missing name or another type.
#pragma once

#include <any>
#include <map>
#include <string>

namespace report {

class ComponentRegistry {
public:
    template <typename T>
    void add(const std::string& name, T* component) {
        components_[name] = component;
    }
    void remove(const std::string& name) { components_.erase(name); }
    bool contains(const std::string& name) const { return components_.count(name) != 0; }

    template <typename T>
    T* find(const std::string& name) const {
        auto it = components_.find(name);
        if (it == components_.end()) return nullptr;
        if (auto p = std::any_cast<T*>(&it->second)) return *p;
        return nullptr;
    }

private:
    std::map<std::string, std::any> components_;
};

}  // namespace report
