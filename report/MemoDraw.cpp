// Drawing a memo: wrapping at scale 1 so breaks agree at every zoom, then background, frame,
// ruled lines and the text placed by its alignment.
#include <algorithm>

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
    const int newWidth = widest + 2 * gapX + 1;
    if ((alignment & kAlignHorizontalMask) == kAlignRight) left += width - newWidth;
    width = newWidth;
}

void MemoView::drawUnderlines(platform::Canvas& canvas) {
    const int step = fontPixelHeight(scaleY) + platform::roundHalfEvenToInt(lineSpacing * scaleY);
    if (step <= 0) return;
    canvas.setPen({frameColor, std::max(1, platform::roundHalfEvenToInt(drawFrameWidth)),
                   platform::PenStyle::Solid, platform::PenMode::Copy});
    const int right = scaledRight();
    const int bottom = scaledBottom();
    for (int y = drawY + drawGapY + step - 1; y < bottom; y += step) canvas.line({drawX, y}, {right, y});
}

void MemoView::drawText(platform::Canvas& canvas, const std::vector<LaidOutLine>& lines) {
    canvas.setFont(canvasFont(scaleY));
    MemoLayoutOptions o = layoutOptions(0, scaleX, scaleY);
    o.measure = [&canvas](const std::string& s) { return canvas.textExtent(s).width; };
    const bool rotated = alignment & kAlignRotated;
    const int lineHeight = fontPixelHeight(scaleY) + platform::roundHalfEvenToInt(lineSpacing * scaleY);
    // Along the text (x unless rotated) and across the lines (y unless rotated).
    const int along = rotated ? drawRect.height() : drawRect.width();
    const int alongGap = rotated ? drawGapY : drawGapX;
    const int across = rotated ? drawRect.width() : drawRect.height();
    const int acrossGap = rotated ? drawGapX : drawGapY;
    const int inner = along - 2 * alongGap;

    const int freeAcross = across - 2 * acrossGap - static_cast<int>(lines.size()) * lineHeight;
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
            pos = along - alongGap - textWidth - 1;
        else if (horizontal == kAlignCenter)
            pos = alongGap + platform::divTrunc(inner - textWidth, 2);
        const int line = acrossGap + shift + static_cast<int>(i) * lineHeight;
        auto place = [&](int alongPos) {
            return rotated ? platform::Point{drawRect.left + line, drawRect.bottom - 1 - alongPos}
                           : platform::Point{drawRect.left + alongPos, drawRect.top + line};
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
                    at += lineWidth(piece, o);
                    if (end == std::string::npos) break;
                    at += js.perBlank + (blankIndex < js.remainder ? 1 : 0);
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
    int wrapWidth = rotated ? drawRect.height() - 2 * drawGapY : drawRect.width() - 2 * drawGapX;
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
