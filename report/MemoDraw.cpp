// Drawing a memo: wrapping at scale 1 so breaks agree at every zoom, then background, frame,
// ruled lines and the text placed by its alignment.
#include <algorithm>

#include "platform/ClampedInt.h"
#include "platform/Rounding.h"
#include "report/MemoView.h"

namespace report {
namespace {

// Extra wrap width a memo with AutoWidth gets while preparing, so its lines are not broken
// before the width is adjusted to them.
constexpr int kAutoWidthWrapAllowance = 100;

struct ScaleState {
    double sx, sy;
    int ox, oy;
};

}  // namespace

MemoLayoutOptions MemoView::layoutOptions(int innerWidth, double sx, double) const {
    MemoLayoutOptions o;
    o.width = innerWidth;
    o.wordWrap = hasFlag(kMemoWordWrap);
    o.wordBreak = hasFlag(kMemoWordBreak);
    o.charSpacing = platform::roundHalfEvenToInt(charSpacing * sx);
    return o;
}

void MemoView::adjustAutoWidth(platform::Canvas& canvas) {
    canvas.setFont(canvasFont(1.0));
    MemoLayoutOptions o = layoutOptions(0, 1.0, 1.0);
    o.measure = [&canvas](const std::string& s) { return canvas.textExtent(s).width; };
    int widest = 0;
    for (const auto& line : layoutMemoLines(sourceLines(), o))
        widest = std::max(widest, lineWidth(line.text, o));
    const int newWidth = platform::clampedInt(static_cast<std::int64_t>(widest) + std::int64_t{2} * gapX + 1);
    if ((alignment & kAlignHorizontalMask) == kAlignRight)
        left = platform::clampedInt(static_cast<std::int64_t>(left) + width - newWidth);
    width = newWidth;
}

// Ruled lines every text line down to the bottom edge, only where they meet the clip: a stored
// bottom far below the page must not cost a line per step.
void MemoView::drawUnderlines(platform::Canvas& canvas) {
    const int step = lineStep(scaleY);
    if (step <= 0) return;
    canvas.setPen({frameColor, std::max(1, platform::clampedInt(platform::roundHalfEven(drawFrameWidth))),
                   platform::PenStyle::Solid, platform::PenMode::Copy});
    const int right = scaledRight();
    std::int64_t bottom = scaledBottom();
    std::int64_t y = static_cast<std::int64_t>(drawY) + drawGapY + step - 1;
    if (const auto clip = canvas.currentClip()) {
        // The pen may reach a little past the line it is drawn on.
        const std::int64_t slack = std::max(1, canvas.pen().width);
        bottom = std::min<std::int64_t>(bottom, clip->bottom + slack);
        const std::int64_t firstVisible = clip->top - slack;
        if (y < firstVisible) y += (firstVisible - y) / step * step;
    }
    for (; y < bottom; y += step) {
        const int at = static_cast<int>(y);
        canvas.line({drawX, at}, {right, at});
    }
}

void MemoView::drawText(platform::Canvas& canvas, const std::vector<LaidOutLine>& lines) {
    canvas.setFont(canvasFont(scaleY));
    MemoLayoutOptions o = layoutOptions(0, scaleX, scaleY);
    o.measure = [&canvas](const std::string& s) { return canvas.textExtent(s).width; };
    const bool rotated = alignment & kAlignRotated;
    const int lineHeight = lineStep(scaleY);
    // Along the text (x unless rotated) and across the lines (y unless rotated).
    const int along = rotated ? drawRect.height() : drawRect.width();
    const int alongGap = rotated ? drawGapY : drawGapX;
    const int across = rotated ? drawRect.width() : drawRect.height();
    const int acrossGap = rotated ? drawGapX : drawGapY;
    const int inner = platform::clampedInt(static_cast<std::int64_t>(along) - std::int64_t{2} * alongGap);

    const int freeAcross = platform::clampedInt(static_cast<std::int64_t>(across) - std::int64_t{2} * acrossGap -
                                                static_cast<std::int64_t>(lines.size()) * lineHeight);
    int shift = 0;
    if ((alignment & kAlignVerticalMask) == kAlignMiddle)
        shift = platform::divTrunc(freeAcross, 2);
    else if ((alignment & kAlignVerticalMask) == kAlignBottom)
        shift = freeAcross;

    const int horizontal = alignment & kAlignHorizontalMask;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& text = lines[i].text;
        const int textWidth = lineWidth(text, o);
        int pos = alongGap;  // distance from the start of the rectangle along the text
        if (horizontal == kAlignRight)
            pos = platform::clampedInt(static_cast<std::int64_t>(along) - alongGap - textWidth - 1);
        else if (horizontal == kAlignCenter)
            pos = platform::clampedInt(alongGap + (static_cast<std::int64_t>(inner) - textWidth) / 2);
        const int line = platform::clampedInt(static_cast<std::int64_t>(acrossGap) + shift +
                                              static_cast<std::int64_t>(i) * lineHeight);
        auto place = [&](int alongPos) {
            return rotated ? platform::Point{platform::clampedInt(std::int64_t{drawRect.left} + line),
                                             platform::clampedInt(std::int64_t{drawRect.bottom} - 1 - alongPos)}
                           : platform::Point{platform::clampedInt(std::int64_t{drawRect.left} + alongPos),
                                             platform::clampedInt(std::int64_t{drawRect.top} + line)};
        };
        if (horizontal == kAlignJustify && !lines[i].paragraphEnd) {
            const JustifySpacing js = justifySpacing(text, textWidth, inner);
            if (js.blanks > 0) {
                // Word by word, each blank widened by its share of the free space.
                int at = pos, blankIndex = 0;
                std::size_t start = 0;
                while (start <= text.size()) {
                    std::size_t end = text.find(' ', start);
                    std::string piece =
                        text.substr(start, end == std::string::npos ? std::string::npos : end - start + 1);
                    platform::Point p = place(at);
                    canvas.textOut(p.x, p.y, piece, o.charSpacing);
                    at = platform::clampedInt(static_cast<std::int64_t>(at) + lineWidth(piece, o));
                    if (end == std::string::npos) break;
                    at = platform::clampedInt(static_cast<std::int64_t>(at) + js.perBlank +
                                              (blankIndex < js.remainder ? 1 : 0));
                    ++blankIndex;
                    start = end + 1;
                }
                continue;
            }
        }
        platform::Point p = place(pos);
        canvas.textOut(p.x, p.y, text, o.charSpacing);
    }
}

void MemoView::draw(platform::Canvas& canvas, const DrawEnvironment& env) {
    beginDraw();
    if (hasFlag(kMemoAutoWidth) && preparing) adjustAutoWidth(canvas);
    applyBandAlign(env);

    // Wrap at scale 1, offset 0, so line breaks are the same at every zoom and on paper.
    const ScaleState real{scaleX, scaleY, offsetX, offsetY};
    scaleX = scaleY = 1.0;
    offsetX = offsetY = 0;
    prepareDraw();
    canvas.setFont(canvasFont(1.0));
    const bool rotated = alignment & kAlignRotated;
    int wrapWidth = platform::clampedInt(rotated ? std::int64_t{drawRect.height()} - std::int64_t{2} * drawGapY
                                                 : std::int64_t{drawRect.width()} - std::int64_t{2} * drawGapX);
    if (hasFlag(kMemoAutoWidth) && preparing) wrapWidth += kAutoWidthWrapAllowance;
    MemoLayoutOptions o = layoutOptions(wrapWidth, 1.0, 1.0);
    o.measure = [&canvas](const std::string& s) { return canvas.textExtent(s).width; };
    const std::vector<LaidOutLine> lines = layoutMemoLines(sourceLines(), o);
    scaleX = real.sx;
    scaleY = real.sy;
    offsetX = real.ox;
    offsetY = real.oy;

    prepareDraw();
    drawBackground(canvas, env);
    drawFrame(canvas, env);
    if (hasFlag(kMemoUnderlines)) drawUnderlines(canvas);
    if (!env.firstPassOfTwo) drawText(canvas, lines);
    endDraw();
}

}  // namespace report
