// Drawing the barcode object: the symbol and its text laid out in page pixels, either recorded
// into a picture that is stretched into the object's scaled rectangle, or drawn straight onto a
// device with the narrow and wide elements snapped to whole device dots. Either way the symbol
// stays inside the object's scaled rectangle, so its neighbours keep their quiet zones.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "barcode/BarcodeError.h"
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
    if (barcode::isKnownBarcodeType(settings.barType) &&
        barcode::symbologyTable[settings.barType].digitsOnly && !readsAsDecimalNumber(text))
        return kPlaceholderText;
    return text;
}

barcode::BarcodeGenerator BarcodeObject::configuredGenerator() const {
    barcode::BarcodeGenerator generator;
    generator.setAngle(settings.angle);
    generator.setRatio(settings.ratio);
    generator.setModul(settings.modul);  // ignored outside 1..49
    generator.setChecksum(settings.withCheckSum);
    generator.setColor(fillColor == platform::kNoColor ? platform::kWhite : fillColor);
    generator.setType(static_cast<barcode::BarcodeType>(settings.barType));
    generator.setText(textToEncode());
    return generator;
}

// The object covers the symbol's length, whatever length it stores.
report::ViewBox BarcodeObject::symbolBox(barcode::BarcodeGenerator& generator) const {
    report::ViewBox symbol = box();
    (isUpright() ? symbol.height : symbol.width) = generator.width();
    return symbol;
}

report::ViewBox BarcodeObject::drawnBox() const {
    if (width < 0 || height < 0 || (memo.size() == 1 && memo[0].empty())) return box();
    try {
        barcode::BarcodeGenerator generator = configuredGenerator();
        return symbolBox(generator);
    } catch (const barcode::BarcodeError&) {
        return box();
    }
}

void BarcodeObject::draw(platform::Canvas& canvas, const report::DrawEnvironment& env) const {
    if (width < 0 || height < 0) return;
    if (memo.size() == 1 && memo[0].empty()) return;
    barcode::BarcodeGenerator generator = configuredGenerator();
    const report::ViewBox symbol = symbolBox(generator);
    // A failed expression prints as "0": an empty label.
    if (withoutBlanksAndControls(generator.text()) == "0") return;

    const report::DrawGeometry at = prepareDraw(alignedBox(symbol, env), env.scale);
    drawBackground(canvas, env, at);
    if (!env.firstPassOfTwo) {
        if (const std::optional<barcode::DotWidths> dots = deviceWidths(canvas, generator, at))
            drawOnDevice(canvas, generator, at, *dots);
        else
            drawThroughPicture(canvas, generator, at);
    }
    drawFrame(canvas, env, at);
}

void BarcodeObject::drawThroughPicture(platform::Canvas& canvas, barcode::BarcodeGenerator& generator,
                                       const report::DrawGeometry& at) const {
    const platform::Size box{at.box.width, at.box.height};
    const int barHeight = (isUpright() ? box.width : box.height) - (settings.showText ? kTextRoom : 0);
    const SymbolPlacement placed =
        placeSymbol(settings.angle, settings.barType == barcode::bcCodePostNet, box, barHeight);
    generator.setLeft(placed.left);
    generator.setTop(placed.top);
    generator.setHeight(placed.height);
    platform::PictureCanvas recording(box, &canvas);
    generator.draw(recording);
    if (settings.showText) writeText(recording, generator, settings.angle, box, kTextHeight, {0, 0});
    const platform::Rect target{at.x, at.y, addSaturated(at.x, at.width), addSaturated(at.y, at.height)};
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
std::optional<barcode::DotWidths> BarcodeObject::deviceWidths(const platform::Canvas& canvas,
                                                              barcode::BarcodeGenerator& generator,
                                                              const report::DrawGeometry& at) const {
    if (canvas.isRecording() || !isRightAngle(settings.angle)) return std::nullopt;
    if (!modulFitsTheGenerator(generator.modul(), isUpright() ? at.scale.y : at.scale.x)) return std::nullopt;
    // Turned by 90 or 180 degrees the generator starts the symbol one dot on.
    const int shift = settings.angle == 90.0 || settings.angle == 180.0 ? 1 : 0;
    const std::int64_t room = static_cast<std::int64_t>(isUpright() ? at.height : at.width) - shift;
    const barcode::WidthCounts counts = barcode::widthCountsOf(generator.encode());
    return barcode::snapToDots(counts, room, generator.ratio(), barcode::ratioLimitOf(generator.type()),
                               kLargestModul);
}

// The generator is this drawing's own: it takes the device's module and ratio.
void BarcodeObject::drawOnDevice(platform::Canvas& canvas, barcode::BarcodeGenerator& generator,
                                 const report::DrawGeometry& at, barcode::DotWidths dots) const {
    const double across = isUpright() ? at.scale.x : at.scale.y;
    generator.setModul(dots.narrow);
    // The wide element follows the ratio; an exact quotient rounds back to the chosen dots.
    generator.setRatio(static_cast<double>(dots.wide) / dots.narrow);
    const int symbolDots = generator.width();
    // The box keeps the object's scaled breadth; its length is the snapped symbol's, from the
    // object's left (or top) edge.
    const platform::Size box =
        isUpright() ? platform::Size{at.width, symbolDots} : platform::Size{symbolDots, at.height};
    const int designBars = (isUpright() ? at.box.width : at.box.height) - (settings.showText ? kTextRoom : 0);
    const int barHeight = platform::roundHalfEvenToInt(designBars * across);
    const SymbolPlacement placed =
        placeSymbol(settings.angle, settings.barType == barcode::bcCodePostNet, box, barHeight);
    generator.setLeft(addSaturated(at.x, placed.left));
    generator.setTop(addSaturated(at.y, placed.top));
    generator.setHeight(placed.height);
    generator.draw(canvas);
    if (settings.showText) {
        const int textHeight = std::max(1, platform::roundHalfEvenToInt(kTextHeight * across));
        writeText(canvas, generator, settings.angle, box, textHeight, {at.x, at.y});
    }
}

}  // namespace barcode_object
