// TfrLineView: a view drawn as one frame edge; horizontal when flatter than wide.
#pragma once

#include "report/Stretcheable.h"

namespace report {

class TfrLineView : public TfrStretcheable {
public:
    TfrLineView();
    std::string className() const override { return "TfrLineView"; }
    std::string baseName() const override { return "Line"; }

    // A line lower than wide becomes horizontal (height 0, top edge), otherwise vertical
    // (width 0, left edge).
    void normalize();
    void draw(platform::Canvas& canvas, const DrawEnvironment& env = {}) override;
};

}  // namespace report
