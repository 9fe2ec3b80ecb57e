// The program-wide list of named values (set by the program, read by expressions) and the
// names of the picture blob types.
#pragma once

#include "expression/ExpressionValue.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace expression {

class Variables {
public:
    // Sets or replaces a value; names compare without regard to case.
    void set(std::string name, Value value);
    std::optional<Value> find(std::string_view name) const;
    bool remove(std::string_view name);
    void clear() { items_.clear(); }
    std::size_t size() const { return items_.size(); }

    // The list shared by the whole program.
    static Variables& global();

private:
    std::vector<std::pair<std::string, Value>> items_;
};

// Blob types of pictures read from data fields, by their names as expressions see them.
inline constexpr std::array<std::pair<std::string_view, int>, 4> kBlobTypeNames = {{
    {"btBMP", 0},
    {"btJPG", 1},
    {"btICO", 2},
    {"btWMF", 3},
}};

bool equalsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace expression
