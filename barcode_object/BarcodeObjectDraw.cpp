// Drawing the barcode object: the symbol and its text laid out in page pixels, either recorded
// into a picture that is stretched into the object's scaled rectangle, or drawn straight onto a
// device with the narrow and wide elements snapped to whole device dots. Either way the symbol
// stays inside the object's scaled rectangle, so its neighbours keep their quiet zones.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "barcode/DotSnapping.h"
#include "barcode_object/BarcodeLayout.h"
#include "barcode_object/BarcodeObject.h"
#include "barcode_object/DecimalText.h"
#include "platform/PictureCanvas.h"
#include "platform/Rounding.h"

namespace barcode_object {

namespace {

constexpr const char* kTextFontName = "Courier New";
constexpr int kLargestModul = 49;  // the generator refuses wider modules

std::string withoutBlanksAndControls(const std::string& s) {
    auto keep = [](char c) { return static_cast<unsigned char>(c) > ' '; };
    const auto first = std::find_if(s.begin(), s.end(), keep);
    const auto last = std::find_if(s.rbegin(), s.rend(), keep).base();
    return first < last ? std::string(first, last) : std::string();
}

int addSaturated(int a, int b) {
    return static_cast<int>(
        std::clamp<std::int64_t>(static_cast<std::int64_t>(a) + b, INT32_MIN + 1, INT32_MAX));
}

bool isRightAngle(double angle) {
    return angle == 0.0 || angle == 90.0 || angle == 180.0 || angle == 270.0;
}

// Gives the generator its design module and ratio back after it drew at the device's.
class ModulRestorer {
public:
    explicit ModulRestorer(barcode::BarcodeGenerator& g)
        : generator_(g), modul_(g.modul()), ratio_(g.ratio()) {}
    ~ModulRestorer() {
        generator_.setModul(modul_);
        generator_.setRatio(ratio_);
    }
    ModulRestorer(const ModulRestorer&) = delete;
    ModulRestorer& operator=(const ModulRestorer&) = delete;

private:
    barcode::BarcodeGenerator& generator_;
    std::int32_t modul_;
    double ratio_;
};

// Narrows the canvas's clip to a rectangle and gives the previous clip back, also through an
// error.
class ClipNarrower {
public:
    ClipNarrower(platform::Canvas& c, const platform::Rect& r) : canvas_(c), outer_(c.currentClip()) {
        platform::Rect clip = r;
        if (outer_) {
            clip = {std::max(r.left, outer_->left), std::max(r.top, outer_->top),
                    std::min(r.right, outer_->right), std::min(r.bottom, outer_->bottom)};
            if (clip.isEmpty()) clip = {clip.left, clip.top, clip.left, clip.top};
        }
        canvas_.setClipRect(clip);
    }
    ~ClipNarrower() {
        if (outer_)
            canvas_.setClipRect(*outer_);
        else
            canvas_.clearClip();
    }
    ClipNarrower(const ClipNarrower&) = delete;
    ClipNarrower& operator=(const ClipNarrower&) = delete;

private:
    platform::Canvas& canvas_;
    std::optional<platform::Rect> outer_;
};

// Gives the view its stored geometry back when drawing ends, also through an error.
class GeometryRestorer {
public:
    explicit GeometryRestorer(report::View& v) : view_(v) { view_.beginDraw(); }
    ~GeometryRestorer() { view_.endDraw(); }
    GeometryRestorer(const GeometryRestorer&) = delete;
    GeometryRestorer& operator=(const GeometryRestorer&) = delete;

private:
    report::View& view_;
};

// Writes the generator's text in the text line of `box`, whose top-left corner is `origin`.
void writeText(platform::Canvas& canvas, const barcode::BarcodeGenerator& generator, double angle,
               platform::Size box, int textHeight, platform::Point origin) {
    platform::CanvasStateGuard guard(canvas);
    platform::Font font;
    font.name = kTextFontName;
    font.height = textHeight;
    font.style = 0;
    font.color = platform::kBlack;
    font.escapement = escapementOf(angle);
    canvas.setFont(font);
    const std::string& text = generator.text();
    const platform::Point at = textOrigin(angle, box, canvas.textExtent(text).width, textHeight);
    canvas.textOut(addSaturated(origin.x, at.x), addSaturated(origin.y, at.y), text);
}

}  // namespace

bool BarcodeObject::isUpright() const {
    return runsAlongHeight(settings.angle);
}

std::string BarcodeObject::textToEncode() const {
    std::string text = kPlaceholderText;
    if (!memo.empty() && !memo[0].starts_with('[')) text = memo[0];
    // An unknown type is left for the generator to refuse; the table is not read for it.
    if (barcode::isKnownBarcodeType(settings.barType) && barcode::SymbologyTable[settings.barType].Num &&
        !readsAsDecimalNumber(text))
        return kPlaceholderText;
    return text;
}

void BarcodeObject::configureGenerator() {
    generator_.setAngle(settings.angle);
    generator_.setRatio(settings.ratio);
    generator_.setModul(settings.modul);  // ignored outside 1..49
    generator_.setChecksum(settings.withCheckSum);
    generator_.setColor(fillColor == platform::kNoColor ? platform::kWhite : fillColor);
    generator_.setType(static_cast<barcode::BarcodeType>(settings.barType));
    generator_.setText(textToEncode());
}

void BarcodeObject::draw(platform::Canvas& canvas, const report::DrawEnvironment& env) {
    if (width < 0 || height < 0) return;
    if (memo.size() == 1 && memo[0].empty()) return;
    configureGenerator();
    // The object takes the symbol's length and keeps it: its stored size follows the symbol.
    (isUpright() ? height : width) = generator_.width();
    // A failed expression prints as "0": an empty label.
    if (withoutBlanksAndControls(generator_.text()) == "0") return;

    GeometryRestorer restorer(*this);
    applyBandAlign(env);
    prepareDraw();
    drawBackground(canvas, env);
    if (!env.firstPassOfTwo) {
        if (const std::optional<barcode::DotWidths> dots = deviceWidths(canvas))
            drawOnDevice(canvas, *dots);
        else
            drawThroughPicture(canvas);
    }
    drawFrame(canvas, env);
}

void BarcodeObject::drawThroughPicture(platform::Canvas& canvas) {
    const platform::Size box{width, height};
    const int barHeight = (isUpright() ? width : height) - (settings.showText ? kTextRoom : 0);
    const SymbolPlacement at =
        placeSymbol(settings.angle, settings.barType == barcode::bcCodePostNet, box, barHeight);
    generator_.setLeft(at.left);
    generator_.setTop(at.top);
    generator_.setHeight(at.height);
    platform::PictureCanvas recording(box, &canvas);
    generator_.draw(recording);
    if (settings.showText) writeText(recording, generator_, settings.angle, box, kTextHeight, {0, 0});
    const platform::Rect target{drawX, drawY, addSaturated(drawX, drawWidth),
                                addSaturated(drawY, drawHeight)};
    // A recording keeps the whole picture (it is clipped when played); on a device, bars that a
    // small scale widens to a whole pixel must not spill out of the box.
    if (canvas.isRecording()) {
        canvas.drawPicture(recording.picture(), target);
        return;
    }
    ClipNarrower clip(canvas, target);
    canvas.drawPicture(recording.picture(), target);
}

namespace {

// Whole device dots for one design module; the generator refuses wider modules.
bool modulFitsTheGenerator(std::int32_t modul, double scale) {
    return std::isfinite(scale) && scale * modul < kLargestModul + 0.5;
}

}  // namespace

// A stretched picture would give every module a fractional number of dots, and bars of equal
// modules would differ by a dot. On a device the generator draws at the device's resolution
// instead, with whole-dot elements chosen so that the symbol fits the object's scaled length;
// recordings keep the picture, which any device can replay. None when no whole-dot widths fit
// (a small zoom or a coarse device): the picture is drawn then, clipped to the box.
std::optional<barcode::DotWidths> BarcodeObject::deviceWidths(const platform::Canvas& canvas) {
    if (canvas.isRecording() || !isRightAngle(settings.angle)) return std::nullopt;
    if (!modulFitsTheGenerator(generator_.modul(), isUpright() ? scaleY : scaleX)) return std::nullopt;
    // Turned by 90 or 180 degrees the generator starts the symbol one dot on.
    const int shift = settings.angle == 90.0 || settings.angle == 180.0 ? 1 : 0;
    const std::int64_t room = static_cast<std::int64_t>(isUpright() ? drawHeight : drawWidth) - shift;
    const barcode::WidthCounts counts = barcode::widthCountsOf(generator_.encode());
    return barcode::snapToDots(counts, room, generator_.ratio(), barcode::ratioLimitOf(generator_.type()),
                               kLargestModul);
}

void BarcodeObject::drawOnDevice(platform::Canvas& canvas, barcode::DotWidths dots) {
    const double across = isUpright() ? scaleX : scaleY;
    ModulRestorer restorer(generator_);
    generator_.setModul(dots.narrow);
    // The wide element follows the ratio; an exact quotient rounds back to the chosen dots.
    generator_.setRatio(static_cast<double>(dots.wide) / dots.narrow);
    const int symbolDots = generator_.width();
    // The box keeps the object's scaled breadth; its length is the snapped symbol's, from the
    // object's left (or top) edge.
    const platform::Size box =
        isUpright() ? platform::Size{drawWidth, symbolDots} : platform::Size{symbolDots, drawHeight};
    const int designBars = (isUpright() ? width : height) - (settings.showText ? kTextRoom : 0);
    const int barHeight = platform::roundHalfEvenToInt(designBars * across);
    const SymbolPlacement at =
        placeSymbol(settings.angle, settings.barType == barcode::bcCodePostNet, box, barHeight);
    generator_.setLeft(addSaturated(drawX, at.left));
    generator_.setTop(addSaturated(drawY, at.top));
    generator_.setHeight(at.height);
    generator_.draw(canvas);
    if (settings.showText) {
        const int textHeight = std::max(1, platform::roundHalfEvenToInt(kTextHeight * across));
        writeText(canvas, generator_, settings.angle, box, textHeight, {drawX, drawY});
    }
}

}  // namespace barcode_object
