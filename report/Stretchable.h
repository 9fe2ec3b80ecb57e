// Stretchable: objects that can grow with their content (memo, line); a stretched band takes
// the height its stretchable objects need.
#pragma once

#include "report/View.h"

namespace report {

class Stretchable : public View {
public:
    // Height, in page pixels, the object needs at its stored width to show these lines.
    virtual int calcHeight(platform::Canvas&, const std::vector<std::string>&) const { return height; }

protected:
    explicit Stretchable(std::uint8_t type) : View(type) {}
};

}  // namespace report
