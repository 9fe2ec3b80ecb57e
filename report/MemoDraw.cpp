// Drawing a memo: wrapping at scale 1 so breaks agree at every zoom, then background, frame,
// ruled lines and the text placed by its alignment.
#include <algorithm>

#include "platform/ClampedInt.h"
#include "platform/Rounding.h"
#include "report/MemoView.h"

namespace report {
namespace {

// Wrapping and measuring happen in page pixels.
constexpr DrawScale kUnitScale{};

}  // namespace

MemoLayoutOptions MemoView::layoutOptions(int innerWidth, double sx, double) const {
    MemoLayoutOptions o;
    o.width = innerWidth;
    o.wordWrap = hasFlag(kMemoWordWrap);
    o.wordBreak = hasFlag(kMemoWordBreak);
    o.charSpacing = platform::roundHalfEvenToInt(charSpacing * sx);
    return o;
}

ViewBox MemoView::autoWidthBox(platform::Canvas& canvas, const ViewBox& box,
                               const std::vector<std::string>& lines) const {
    canvas.setFont(canvasFont(1.0));
    // Each paragraph unwrapped: the box grows to the text, not the text to the box.
    MemoLayoutOptions o = layoutOptions(0, 1.0, 1.0);
    o.wordWrap = false;
    o.measure = [&canvas](const std::string& s) { return canvas.textExtent(s).width; };
    int widest = 0;
    for (const auto& line : layoutMemoLines(lines, o)) widest = std::max(widest, lineWidth(line.text, o));
    ViewBox fitted = box;
    fitted.width = platform::clampedInt(static_cast<std::int64_t>(widest) + std::int64_t{2} * gapX + 1);
    if ((alignment & kAlignHorizontalMask) == kAlignRight)
        fitted.left = platform::clampedInt(static_cast<std::int64_t>(box.left) + box.width - fitted.width);
    return fitted;
}

std::vector<LaidOutLine> MemoView::wrappedLines(platform::Canvas& canvas, const ViewBox& box,
                                                const std::vector<std::string>& lines) const {
    const DrawGeometry unit = prepareDraw(box, kUnitScale);
    canvas.setFont(canvasFont(1.0));
    const bool rotated = alignment & kAlignRotated;
    const int wrapWidth =
        platform::clampedInt(rotated ? std::int64_t{unit.rect.height()} - std::int64_t{2} * unit.gapY
                                     : std::int64_t{unit.rect.width()} - std::int64_t{2} * unit.gapX);
    MemoLayoutOptions o = layoutOptions(wrapWidth, 1.0, 1.0);
    o.measure = [&canvas](const std::string& s) { return canvas.textExtent(s).width; };
    return layoutMemoLines(lines, o);
}

int MemoView::neededHeight(platform::Canvas& canvas, const ViewBox& box,
                           const std::vector<std::string>& lines) const {
    const std::size_t count = wrappedLines(canvas, box, lines).size();
    if (alignment & kAlignRotated) return box.height;
    const int gapY = prepareDraw(box, kUnitScale).gapY;
    return platform::clampedInt(static_cast<std::int64_t>(count) * lineStep(1.0) + std::int64_t{2} * gapY);
}

// Ruled lines every text line down to the bottom edge, only where they meet the clip: a stored
// bottom far below the page must not cost a line per step.
void MemoView::drawUnderlines(platform::Canvas& canvas, const DrawGeometry& at) const {
    const int step = lineStep(at.scale.y);
    if (step <= 0) return;
    canvas.setPen({frameColor, std::max(1, platform::clampedInt(platform::roundHalfEven(at.frameWidth))),
                   platform::PenStyle::Solid, platform::PenMode::Copy});
    const int right = at.right;
    std::int64_t bottom = at.bottom;
    std::int64_t y = static_cast<std::int64_t>(at.y) + at.gapY + step - 1;
    if (const auto clip = canvas.currentClip()) {
        // The pen may reach a little past the line it is drawn on.
        const std::int64_t slack = std::max(1, canvas.pen().width);
        bottom = std::min<std::int64_t>(bottom, clip->bottom + slack);
        const std::int64_t firstVisible = clip->top - slack;
        if (y < firstVisible) y += (firstVisible - y) / step * step;
    }
    for (; y < bottom; y += step) {
        const int row = static_cast<int>(y);
        canvas.line({at.x, row}, {right, row});
    }
}

void MemoView::drawText(platform::Canvas& canvas, const std::vector<LaidOutLine>& lines,
                        const DrawGeometry& at) const {
    canvas.setFont(canvasFont(at.scale.y));
    MemoLayoutOptions o = layoutOptions(0, at.scale.x, at.scale.y);
    o.measure = [&canvas](const std::string& s) { return canvas.textExtent(s).width; };
    const bool rotated = alignment & kAlignRotated;
    const int lineHeight = lineStep(at.scale.y);
    const platform::Rect& drawRect = at.rect;
    // Along the text (x unless rotated) and across the lines (y unless rotated).
    const int along = rotated ? drawRect.height() : drawRect.width();
    const int alongGap = rotated ? at.gapY : at.gapX;
    const int across = rotated ? drawRect.width() : drawRect.height();
    const int acrossGap = rotated ? at.gapX : at.gapY;
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
                int wordAt = pos, blankIndex = 0;
                std::size_t start = 0;
                while (start <= text.size()) {
                    std::size_t end = text.find(' ', start);
                    std::string piece =
                        text.substr(start, end == std::string::npos ? std::string::npos : end - start + 1);
                    platform::Point p = place(wordAt);
                    canvas.textOut(p.x, p.y, piece, o.charSpacing);
                    wordAt = platform::clampedInt(static_cast<std::int64_t>(wordAt) + lineWidth(piece, o));
                    if (end == std::string::npos) break;
                    wordAt = platform::clampedInt(static_cast<std::int64_t>(wordAt) + js.perBlank +
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

void MemoView::draw(platform::Canvas& canvas, const DrawEnvironment& env) const {
    const ViewBox placed = alignedBox(box(), env);
    const std::vector<LaidOutLine> lines = wrappedLines(canvas, placed, memo);
    const DrawGeometry at = prepareDraw(placed, env.scale);
    drawBackground(canvas, env, at);
    drawFrame(canvas, env, at);
    if (hasFlag(kMemoUnderlines)) drawUnderlines(canvas, at);
    if (!env.firstPassOfTwo) drawText(canvas, lines, at);
}

}  // namespace report
