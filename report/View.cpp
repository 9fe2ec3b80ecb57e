#include "report/View.h"

#include "platform/ClampedInt.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/Rounding.h"
#include "report/ExpressionHook.h"
#include "report/ObjectRegistry.h"
#include "report/Page.h"
#include "report/StoredRange.h"
#include "report/StreamText.h"

namespace report {

namespace {
// Decimal separator of the formats: the Italian comma.
constexpr char kDecimalSeparator = ',';
constexpr std::uint16_t kStoredTrue = 0xFFFF;

bool overlapsVertically(const View& a, const View& b) {
    return a.top < static_cast<long long>(b.top) + b.height &&
           b.top < static_cast<long long>(a.top) + a.height;
}
}  // namespace

std::int32_t defaultFormatCode() {
    return static_cast<std::int32_t>(kDecimalSeparator) + 512;
}

std::int32_t encodeFrameWidth(double width) {
    // Whole widths up to 10 are stored as the number; everything else in thousandths, because
    // the reader takes any value above 10 as thousandths (a whole 20 stored as 20 would come
    // back as 0.02).
    if (width == std::floor(width) && width >= 0 && width <= 10) return static_cast<std::int32_t>(width);
    double scaled = std::clamp(width * 1000.0, -2147483647.0, 2147483647.0);
    return platform::roundHalfEvenToInt(scaled);
}

double decodeFrameWidth(std::int32_t stored) {
    return stored <= 10 ? stored : stored / 1000.0;
}

View::View() : View(kAddInObject) {}

View::View(std::uint8_t type)
    : formatCode(defaultFormatCode()), objectType_(type), serial_(nextCreationSerial()) {}

// ---------------------------------------------------------------- stream

void View::loadFromStream(platform::ByteReader& in, int version) {
    readBody(in, version);
}

void View::saveToStream(platform::ByteWriter& out) const {
    writeBody(out);
}

void View::readBody(platform::ByteReader& in, int version) {
    if (version >= 24 || (version == 23 && !prepared)) setName(readString(in, version));
    if (version >= 24) {
        layoutMajor = in.u8();
        layoutMinor = in.u8();
    }
    left = checkedPosition(in.i32());
    top = checkedPosition(in.i32());
    width = checkedSize(in.i32());
    height = checkedSize(in.i32());
    flags = in.u16();
    frameTyp = in.u16();
    frameWidth = checkedPosition(decodeFrameWidth(in.i32()));
    frameColor = static_cast<platform::Color>(in.i32());
    frameStyle = in.u16();
    fillColor = static_cast<platform::Color>(in.i32());
    if (!prepared) {
        formatCode = in.i32();
        formatText = readString(in, version);
    }
    memo = readStringList(in, version);
    if (!prepared && version >= 23) {
        script = readStringList(in, version);
        visible = in.u16() != 0;
    }
    if (version >= 24) {
        restrictions = in.u16();
        tag = readString(in, version);
        gapX = checkedPosition(in.i32());
        gapY = checkedPosition(in.i32());
    }
    if (layoutMajor > 1) bandAlign = static_cast<BandAlign>(in.u8());
}

void View::writeBody(platform::ByteWriter& out) const {
    writeString(out, name());
    out.u8(2);
    out.u8(writtenLayoutMinor());
    out.i32(left);
    out.i32(top);
    out.i32(width);
    out.i32(height);
    out.u16(flags);
    out.u16(frameTyp);
    out.i32(encodeFrameWidth(frameWidth));
    out.i32(static_cast<std::int32_t>(frameColor));
    out.u16(frameStyle);
    out.i32(static_cast<std::int32_t>(fillColor));
    if (!prepared) {
        out.i32(formatCode);
        writeString(out, formatText);
    }
    writeStringList(out, memo);
    if (!prepared) {
        writeStringList(out, script);
        out.u16(visible ? kStoredTrue : 0);
    }
    out.u16(restrictions);
    writeString(out, tag);
    out.i32(gapX);
    out.i32(gapY);
    out.u8(static_cast<std::uint8_t>(bandAlign));
}

// ---------------------------------------------------------------- drawing

namespace {
// A scaled length or position, rounded as the layout rounds and kept within the coordinate
// limit, so that sums of a few of them cannot overflow whatever the scale.
int scaled(double v) {
    return platform::clampedInt(platform::roundHalfEven(v));
}
int sum(std::int64_t a, std::int64_t b) {
    return platform::clampedInt(a + b);
}
}  // namespace

// Sums in double: stored geometry comes from files and may be anything.
int View::scaledRight() const {
    return scaled((static_cast<double>(left) + width) * scaleX + offsetX);
}
int View::scaledBottom() const {
    return scaled((static_cast<double>(top) + height) * scaleY + offsetY);
}

void View::beginDraw() {
    savedLeft_ = left;
    savedTop_ = top;
    savedWidth_ = width;
    savedHeight_ = height;
    geometrySaved_ = true;
}

void View::endDraw() {
    if (!geometrySaved_) return;
    left = savedLeft_;
    top = savedTop_;
    width = savedWidth_;
    height = savedHeight_;
    geometrySaved_ = false;
}

void View::prepareDraw() {
    // Every value saturates at the coordinate limit: positions scaled far beyond any surface
    // are drawn off it rather than wrapping round.
    drawX = sum(scaled(left * scaleX), offsetX);
    drawY = sum(scaled(top * scaleY), offsetY);
    drawWidth = scaled(scaleX * width);
    drawHeight = scaled(scaleY * height);
    drawFrameWidth = frameWidth * scaleX;
    drawGapX = sum(scaled(scaleX * frameWidth / 2), scaled(scaleX * gapX));
    drawGapY = sum(scaled(scaleY * gapY), scaled(scaleY * frameWidth / 2) / 2);
    const int rightEdge = scaledRight();
    const int bottomEdge = scaledBottom();
    drawRect.left = sum(drawX, (frameTyp & kFrameLeft) ? scaled((scaleX * frameWidth - 1) / 2) : 0);
    drawRect.top = sum(drawY, (frameTyp & kFrameTop) ? scaled((scaleY * frameWidth - 1) / 2) : 0);
    drawRect.right = sum(rightEdge, -((frameTyp & kFrameRight) ? scaled(scaleX * frameWidth / 2) : 0) + 1);
    drawRect.bottom = sum(bottomEdge, -((frameTyp & kFrameBottom) ? scaled(scaleY * frameWidth / 2) : 0) + 1);
}

int View::nearestLeftEdge(int areaLeft) const {
    int edge = areaLeft;
    if (!page) return edge;
    for (const auto& other : page->objects()) {
        if (other.get() == this || other->objectType() == kBandObject) continue;
        if (!overlapsVertically(*other, *this)) continue;
        const long long otherRight = static_cast<long long>(other->left) + other->width;
        if (otherRight <= left && otherRight > edge) edge = static_cast<int>(otherRight);
    }
    return edge;
}

int View::nearestRightEdge(int areaRight) const {
    int edge = areaRight;
    if (!page) return edge;
    for (const auto& other : page->objects()) {
        if (other.get() == this || other->objectType() == kBandObject) continue;
        if (overlapsVertically(*other, *this) && other->left >= static_cast<long long>(left) + width)
            edge = std::min(edge, other->left);
    }
    return edge;
}

void View::applyBandAlign(const DrawEnvironment& env) {
    const int areaWidth = env.areaRight - env.areaLeft;
    switch (bandAlign) {
        case BandAlign::Left:
            left = nearestLeftEdge(env.areaLeft);
            if (static_cast<long long>(left) + width > env.areaRight) width = env.areaRight - left;
            break;
        case BandAlign::Right: {
            int edge = nearestRightEdge(env.areaRight);
            left = edge == env.areaRight ? env.areaRight - width : edge - width - 1;
            break;
        }
        case BandAlign::Center:
            left = env.areaLeft + platform::divTrunc(areaWidth - width, 2);
            break;
        case BandAlign::width:
            if (band && band->isCrossTab()) {
                left = band->bounds().left;
                width = band->bounds().width();
            } else {
                left = env.areaLeft;
                width = areaWidth - 1;
            }
            break;
        case BandAlign::Bottom:
            if (band) top = band->bounds().bottom - height;
            break;
        case BandAlign::Top:
            if (band) top = band->bounds().top;
            break;
        case BandAlign::Rest: {
            int from = nearestLeftEdge(env.areaLeft);
            int to = nearestRightEdge(env.areaRight);
            left = from;
            width = to - from;
            break;
        }
        case BandAlign::None:
        default:
            break;
    }
}

void View::drawBackground(platform::Canvas& canvas, const DrawEnvironment& env) {
    if (env.firstPassOfTwo) return;
    platform::Color color = fillColor;
    if (fillColor == platform::kNoColor) {
        if (env.mode == DocumentMode::printing) return;
        color = platform::kWhite;
    }
    canvas.setBrush({color, false});
    canvas.fillRect({drawX, drawY, scaledRight(), scaledBottom()});
}

namespace {

platform::PenStyle penStyleOf(std::uint16_t frameStyle) {
    switch (frameStyle) {
        case kFrameDash:
            return platform::PenStyle::Dash;
        case kFrameDot:
            return platform::PenStyle::Dot;
        case kFrameDashDot:
            return platform::PenStyle::DashDot;
        case kFrameDashDotDot:
            return platform::PenStyle::DashDotDot;
        default:
            return platform::PenStyle::Solid;
    }
}

void drawCornerMarks(platform::Canvas& canvas, int x0, int y0, int x1, int y1) {
    canvas.setPen({platform::kBlack, 1, platform::PenStyle::Solid, platform::PenMode::Copy});
    constexpr int kMark = 4;
    canvas.line({x0, y0}, {x0 + kMark, y0});
    canvas.line({x0, y0}, {x0, y0 + kMark});
    canvas.line({x1, y0}, {x1 - kMark, y0});
    canvas.line({x1, y0}, {x1, y0 + kMark});
    canvas.line({x0, y1}, {x0 + kMark, y1});
    canvas.line({x0, y1}, {x0, y1 - kMark});
    canvas.line({x1, y1}, {x1 - kMark, y1});
    canvas.line({x1, y1}, {x1, y1 - kMark});
}

}  // namespace

void View::drawFrame(platform::Canvas& canvas, const DrawEnvironment& env) {
    if (env.firstPassOfTwo) return;
    const bool printing = env.mode == DocumentMode::printing;
    if (printing && (frameTyp & kFrameAll) == 0) return;
    const int x0 = drawX, y0 = drawY;
    const int x1 = scaledRight();
    const int y1 = scaledBottom();
    if (!printing && width > 0 && height > 0) drawCornerMarks(canvas, x0, y0, x1, y1);
    if ((frameTyp & kFrameAll) == 0) return;

    const int penWidth = std::max(1, scaled(drawFrameWidth));
    canvas.setPen({frameColor, penWidth, penStyleOf(frameStyle), platform::PenMode::Copy});
    // A double frame is two thin parallel lines: the edge itself and one further inside.
    const bool twoLines = frameStyle == kFrameDouble;
    const int inner = twoLines ? 2 * penWidth : 0;
    for (int pass = 0; pass < (twoLines ? 2 : 1); ++pass) {
        const int d = pass == 0 ? 0 : inner;
        if (frameTyp & kFrameRight) canvas.line({x1 - d, y0 + d}, {x1 - d, y1 - d + 1});
        if (frameTyp & kFrameLeft) canvas.line({x0 + d, y0 + d}, {x0 + d, y1 - d + 1});
        if (frameTyp & kFrameBottom) canvas.line({x0 + d, y1 - d}, {x1 - d + 1, y1 - d});
        if (frameTyp & kFrameTop) canvas.line({x0 + d, y0 + d}, {x1 - d + 1, y0 + d});
    }
}

void View::draw(platform::Canvas& canvas, const DrawEnvironment& env) {
    beginDraw();
    applyBandAlign(env);
    prepareDraw();
    drawBackground(canvas, env);
    drawFrame(canvas, env);
    endDraw();
}

// ---------------------------------------------------------------- printing

void View::writePrintedRecord(platform::ByteWriter& out) {
    out.u8(objectType_);
    if (objectType_ == kAddInObject) writeString(out, className());
    std::swap(memo, workingLines);
    prepared = true;
    saveToStream(out);
    prepared = false;
    std::swap(memo, workingLines);
}

bool View::print(PrintContext& context) {
    workingLines = memo;
    if (context.expressions) {
        context.expressions->expandLines(workingLines, *this);
        context.expressions->runScript(script, *this);
    }
    if (!visible) return false;
    const std::string keptTag = tag;
    if (context.expressions && tag.find('[') != std::string::npos)
        tag = context.expressions->expandText(tag, *this);
    beginDraw();
    if (bandAlign == BandAlign::Bottom || bandAlign == BandAlign::Top ||
        (bandAlign == BandAlign::width && band && band->isCrossTab()))
        applyBandAlign(context.environment);
    writePrintedRecord(context.out);
    endDraw();
    tag = keptTag;
    return true;
}

}  // namespace report
