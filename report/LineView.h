// LineView: a view drawn as one frame edge; horizontal when flatter than wide.
#pragma once

#include "report/Stretchable.h"

namespace report {

// Class name stored in template and prepared-report streams; never changes.
inline constexpr const char* kLineViewClassName = "TfrLineView";

class LineView : public Stretchable {
public:
    LineView();
    std::string className() const override { return kLineViewClassName; }
    std::string baseName() const override { return "Line"; }

    // Drawn as one edge: horizontal (height 0, top edge) when lower than wide, otherwise
    // vertical (width 0, left edge).
    void draw(platform::Canvas& canvas, const DrawEnvironment& env = {}) const override;
};

}  // namespace report
