#include "expression/VariablesGlobal.h"

#include <algorithm>
#include <cctype>

namespace expression {

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

void Variables::set(std::string name, Value value) {
    for (auto& item : items_)
        if (equalsIgnoringCase(item.first, name)) {
            item.second = std::move(value);
            return;
        }
    items_.emplace_back(std::move(name), std::move(value));
}

std::optional<Value> Variables::find(std::string_view name) const {
    for (const auto& item : items_)
        if (equalsIgnoringCase(item.first, name)) return item.second;
    return std::nullopt;
}

bool Variables::remove(std::string_view name) {
    const auto it = std::find_if(items_.begin(), items_.end(),
                                 [&](const auto& item) { return equalsIgnoringCase(item.first, name); });
    if (it == items_.end()) return false;
    items_.erase(it);
    return true;
}

Variables& Variables::global() {
    static Variables variables;
    return variables;
}

}  // namespace expression
