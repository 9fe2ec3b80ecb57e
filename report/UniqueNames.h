// Generated names "Base1", "Base2", ... that nothing in a report uses yet, handed out in linear
// time while a template is read: the set of names in use is built once, and each base name
// remembers the number it has reached (names are only added while reading, so no lower
// number can become free again).
#pragma once

#include <string>
#include <unordered_map>
#include <unordered_set>

namespace report {

// Generated names stop at this number; past it an object keeps an empty name.
inline constexpr int kHighestGeneratedNumber = 10000;

class UniqueNames {
public:
    explicit UniqueNames(int highestNumber = kHighestGeneratedNumber) : highestNumber_(highestNumber) {}

    void use(const std::string& name) { used_.insert(name); }
    // The lowest "baseN" not in use, now in use; "" when every number up to the highest is.
    std::string next(const std::string& base) {
        int& reached = reached_[base];
        while (reached < highestNumber_) {
            std::string candidate = base + std::to_string(++reached);
            if (used_.insert(candidate).second) return candidate;
        }
        return {};
    }

private:
    int highestNumber_;
    std::unordered_set<std::string> used_;
    std::unordered_map<std::string, int> reached_;
};

}  // namespace report
