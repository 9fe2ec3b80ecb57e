#include "report/LineView.h"

namespace report {

TfrLineView::TfrLineView() : TfrStretcheable(kLineObject) {
    frameTyp = kFrameLeft;
    fillColor = platform::kWhite;
}

void TfrLineView::normalize() {
    if (height < width) {
        height = 0;
        frameTyp = kFrameTop;
    } else {
        width = 0;
        frameTyp = kFrameLeft;
    }
}

void TfrLineView::draw(platform::Canvas& canvas, const DrawEnvironment& env) {
    beginDraw();
    normalize();
    applyBandAlign(env);
    prepareDraw();
    // A line is its frame edge only: no background.
    drawFrame(canvas, env);
    endDraw();
}

}  // namespace report
