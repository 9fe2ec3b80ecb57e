// Stretcheable: objects that can grow with their content (memo, line) and be split across
// pages by the preparation engine.
#pragma once

#include "report/View.h"

namespace report {

enum class DrawMode { Whole = 0, MeasureOnly = 1, SplitPart = 2 };

class Stretcheable : public View {
public:
    DrawMode drawMode = DrawMode::Whole;

    // Height, in page pixels, the object needs at its stored width to show these lines.
    virtual int calcHeight(platform::Canvas&, const std::vector<std::string>&) const { return height; }
    // Smallest height a split part may have.
    virtual int minHeight(platform::Canvas&) { return 0; }
    // Height still to print after a split.
    virtual int remainHeight() { return 0; }

protected:
    explicit Stretcheable(std::uint8_t type) : View(type) {}
};

}  // namespace report
