#include "report/View.h"

#include "platform/ClampedInt.h"

#include <algorithm>
#include <cmath>

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

bool overlapsVertically(const View& a, const ViewBox& b) {
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

void View::readRecord(platform::ByteReader& in, int version, RecordKind kind) {
    readBody(in, version, kind);
}

void View::writeRecord(platform::ByteWriter& out, RecordKind kind, const RecordFields& fields) const {
    writeBody(out, kind, fields);
}

void View::readBody(platform::ByteReader& in, int version, RecordKind kind) {
    const bool printing = kind == RecordKind::Printing;
    if (version >= 24 || (version == 23 && !printing)) setName(readString(in, version));
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
    if (!printing) {
        formatCode = in.i32();
        formatText = readString(in, version);
    }
    memo = readStringList(in, version);
    if (!printing && version >= 23) {
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

void View::writeBody(platform::ByteWriter& out, RecordKind kind, const RecordFields& fields) const {
    const bool printing = kind == RecordKind::Printing;
    writeString(out, name());
    out.u8(2);
    out.u8(writtenLayoutMinor());
    out.i32(fields.box.left);
    out.i32(fields.box.top);
    out.i32(fields.box.width);
    out.i32(fields.box.height);
    out.u16(flags);
    out.u16(frameTyp);
    out.i32(encodeFrameWidth(frameWidth));
    out.i32(static_cast<std::int32_t>(frameColor));
    out.u16(frameStyle);
    out.i32(static_cast<std::int32_t>(fields.fillColor));
    if (!printing) {
        out.i32(formatCode);
        writeString(out, formatText);
    }
    writeStringList(out, fields.lines);
    if (!printing) {
        writeStringList(out, script);
        out.u16(visible ? kStoredTrue : 0);
    }
    out.u16(restrictions);
    writeString(out, fields.tag);
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

DrawGeometry View::prepareDraw(const ViewBox& box, const DrawScale& scale) const {
    return prepareDraw(box, scale, frameTyp);
}

// Every value saturates at the coordinate limit: positions scaled far beyond any surface are
// drawn off it rather than wrapping round. Sums in double: stored geometry comes from files and
// may be anything.
DrawGeometry View::prepareDraw(const ViewBox& box, const DrawScale& scale, std::uint16_t frameEdges) const {
    const double sx = scale.x, sy = scale.y;
    DrawGeometry g;
    g.box = box;
    g.scale = scale;
    g.frameEdges = frameEdges;
    g.x = sum(scaled(box.left * sx), scale.offsetX);
    g.y = sum(scaled(box.top * sy), scale.offsetY);
    g.width = scaled(sx * box.width);
    g.height = scaled(sy * box.height);
    g.right = scaled((static_cast<double>(box.left) + box.width) * sx + scale.offsetX);
    g.bottom = scaled((static_cast<double>(box.top) + box.height) * sy + scale.offsetY);
    g.frameWidth = frameWidth * sx;
    g.gapX = sum(scaled(sx * frameWidth / 2), scaled(sx * gapX));
    g.gapY = sum(scaled(sy * gapY), scaled(sy * frameWidth / 2) / 2);
    g.rect.left = sum(g.x, (frameEdges & kFrameLeft) ? scaled((sx * frameWidth - 1) / 2) : 0);
    g.rect.top = sum(g.y, (frameEdges & kFrameTop) ? scaled((sy * frameWidth - 1) / 2) : 0);
    g.rect.right = sum(g.right, -((frameEdges & kFrameRight) ? scaled(sx * frameWidth / 2) : 0) + 1);
    g.rect.bottom = sum(g.bottom, -((frameEdges & kFrameBottom) ? scaled(sy * frameWidth / 2) : 0) + 1);
    return g;
}

int View::nearestLeftEdge(const ViewBox& box, int areaLeft) const {
    int edge = areaLeft;
    if (!page) return edge;
    for (const auto& other : page->objects()) {
        if (other.get() == this || other->objectType() == kBandObject) continue;
        if (!overlapsVertically(*other, box)) continue;
        const long long otherRight = static_cast<long long>(other->left) + other->width;
        if (otherRight <= box.left && otherRight > edge) edge = static_cast<int>(otherRight);
    }
    return edge;
}

int View::nearestRightEdge(const ViewBox& box, int areaRight) const {
    int edge = areaRight;
    if (!page) return edge;
    for (const auto& other : page->objects()) {
        if (other.get() == this || other->objectType() == kBandObject) continue;
        if (overlapsVertically(*other, box) && other->left >= static_cast<long long>(box.left) + box.width)
            edge = std::min(edge, other->left);
    }
    return edge;
}

ViewBox View::alignedBox(const ViewBox& box, const DrawEnvironment& env) const {
    ViewBox b = box;
    const int areaWidth = env.areaRight - env.areaLeft;
    switch (bandAlign) {
        case BandAlign::Left:
            b.left = nearestLeftEdge(box, env.areaLeft);
            if (static_cast<long long>(b.left) + b.width > env.areaRight) b.width = env.areaRight - b.left;
            break;
        case BandAlign::Right: {
            int edge = nearestRightEdge(box, env.areaRight);
            b.left = edge == env.areaRight ? env.areaRight - b.width : edge - b.width - 1;
            break;
        }
        case BandAlign::Center:
            b.left = env.areaLeft + platform::divTrunc(areaWidth - b.width, 2);
            break;
        case BandAlign::Width:
            if (band && band->isCrossTab()) {
                b.left = band->bounds().left;
                b.width = band->bounds().width();
            } else {
                b.left = env.areaLeft;
                b.width = areaWidth - 1;
            }
            break;
        case BandAlign::Bottom:
            if (band) b.top = band->bounds().bottom - b.height;
            break;
        case BandAlign::Top:
            if (band) b.top = band->bounds().top;
            break;
        case BandAlign::Rest: {
            b.left = nearestLeftEdge(box, env.areaLeft);
            b.width = nearestRightEdge(box, env.areaRight) - b.left;
            break;
        }
        case BandAlign::None:
        default:
            break;
    }
    return b;
}

void View::drawBackground(platform::Canvas& canvas, const DrawEnvironment& env,
                          const DrawGeometry& at) const {
    if (env.firstPassOfTwo) return;
    platform::Color color = fillColor;
    if (fillColor == platform::kNoColor) {
        if (env.mode == DocumentMode::Printing) return;
        color = platform::kWhite;
    }
    canvas.setBrush({color, false});
    canvas.fillRect({at.x, at.y, at.right, at.bottom});
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

void View::drawFrame(platform::Canvas& canvas, const DrawEnvironment& env, const DrawGeometry& at) const {
    if (env.firstPassOfTwo) return;
    const std::uint16_t edges = at.frameEdges;
    const bool printing = env.mode == DocumentMode::Printing;
    if (printing && (edges & kFrameAll) == 0) return;
    const int x0 = at.x, y0 = at.y;
    const int x1 = at.right;
    const int y1 = at.bottom;
    if (!printing && at.box.width > 0 && at.box.height > 0) drawCornerMarks(canvas, x0, y0, x1, y1);
    if ((edges & kFrameAll) == 0) return;

    const int penWidth = std::max(1, scaled(at.frameWidth));
    canvas.setPen({frameColor, penWidth, penStyleOf(frameStyle), platform::PenMode::Copy});
    // A double frame is two thin parallel lines: the edge itself and one further inside.
    const bool twoLines = frameStyle == kFrameDouble;
    const int inner = twoLines ? 2 * penWidth : 0;
    for (int pass = 0; pass < (twoLines ? 2 : 1); ++pass) {
        const int d = pass == 0 ? 0 : inner;
        if (edges & kFrameRight) canvas.line({x1 - d, y0 + d}, {x1 - d, y1 - d + 1});
        if (edges & kFrameLeft) canvas.line({x0 + d, y0 + d}, {x0 + d, y1 - d + 1});
        if (edges & kFrameBottom) canvas.line({x0 + d, y1 - d}, {x1 - d + 1, y1 - d});
        if (edges & kFrameTop) canvas.line({x0 + d, y0 + d}, {x1 - d + 1, y0 + d});
    }
}

void View::draw(platform::Canvas& canvas, const DrawEnvironment& env) const {
    const DrawGeometry at = prepareDraw(alignedBox(box(), env), env.scale);
    drawBackground(canvas, env, at);
    drawFrame(canvas, env, at);
}

// ---------------------------------------------------------------- printing

void View::writeRecordHeader(platform::ByteWriter& out) const {
    out.u8(objectType_);
    if (objectType_ == kAddInObject) writeString(out, className());
}

void View::writePrintedRecord(platform::ByteWriter& out, const RecordFields& fields) const {
    writeRecordHeader(out);
    writeRecord(out, RecordKind::Printing, fields);
}

std::string View::printedTag(PrintContext& context) {
    if (context.expressions && tag.find('[') != std::string::npos)
        return context.expressions->expandText(tag, *this);
    return tag;
}

ViewBox View::printedBox(const ViewBox& box, const DrawEnvironment& env) const {
    if (bandAlign == BandAlign::Bottom || bandAlign == BandAlign::Top ||
        (bandAlign == BandAlign::Width && band && band->isCrossTab()))
        return alignedBox(box, env);
    return box;
}

bool View::print(PrintContext& context) {
    workingLines = memo;
    if (context.expressions) {
        context.expressions->expandLines(workingLines, *this);
        context.expressions->runScript(script, *this);
    }
    if (!visible) return false;
    const std::string tagText = printedTag(context);
    writePrintedRecord(context.out,
                       {printedBox(box(), context.environment), fillColor, workingLines, tagText});
    return true;
}

}  // namespace report
