// LineView: a view drawn as one frame edge; horizontal when flatter than wide.
#pragma once

#include "report/Stretcheable.h"

namespace report {

// Class name stored in template and prepared-report streams; never changes.
inline constexpr const char* kLineViewClassName = "TfrLineView";

class LineView : public Stretcheable {
public:
    LineView();
    std::string className() const override { return kLineViewClassName; }
    std::string baseName() const override { return "Line"; }

    // A line lower than wide becomes horizontal (height 0, top edge), otherwise vertical
    // (width 0, left edge).
    void normalize();
    void draw(platform::Canvas& canvas, const DrawEnvironment& env = {}) override;
};

}  // namespace report
