#include "report/LineView.h"

namespace report {

LineView::LineView() : Stretcheable(kLineObject) {
    frameTyp = kFrameLeft;
    fillColor = platform::kWhite;
}

void LineView::normalize() {
    if (height < width) {
        height = 0;
        frameTyp = kFrameTop;
    } else {
        width = 0;
        frameTyp = kFrameLeft;
    }
}

void LineView::draw(platform::Canvas& canvas, const DrawEnvironment& env) {
    beginDraw();
    normalize();
    applyBandAlign(env);
    prepareDraw();
    // A line is its frame edge only: no background.
    drawFrame(canvas, env);
    endDraw();
}

}  // namespace report
