#include "report/LineView.h"

namespace report {

LineView::LineView() : Stretchable(kLineObject) {
    frameTyp = kFrameLeft;
    fillColor = platform::kWhite;
}

void LineView::draw(platform::Canvas& canvas, const DrawEnvironment& env) const {
    ViewBox line = box();
    const bool horizontal = line.height < line.width;
    (horizontal ? line.height : line.width) = 0;
    const std::uint16_t edge = horizontal ? kFrameTop : kFrameLeft;
    // A line is its frame edge only: no background.
    drawFrame(canvas, env, prepareDraw(alignedBox(line, env), env.scale, edge));
}

}  // namespace report
