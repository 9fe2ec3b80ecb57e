// Drawing the barcode object: the symbol and its text laid out in page pixels, either recorded
// into a picture that is stretched into the object's scaled rectangle, or drawn straight onto a
// device with the narrow module snapped to whole device dots.
#include <algorithm>
#include <cstdint>

#include "barcode_object/BarcodeLayout.h"
#include "barcode_object/BarcodeObject.h"
#include "barcode_object/DecimalText.h"
#include "platform/PictureCanvas.h"
#include "report/Rounding.h"

namespace barcode {

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

// Gives the generator its design module back after it drew at the device's.
class ModulRestorer {
public:
    explicit ModulRestorer(BarcodeGenerator& g) : generator_(g), modul_(g.modul()) {}
    ~ModulRestorer() { generator_.setModul(modul_); }
    ModulRestorer(const ModulRestorer&) = delete;
    ModulRestorer& operator=(const ModulRestorer&) = delete;

private:
    BarcodeGenerator& generator_;
    std::int32_t modul_;
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
void writeText(platform::Canvas& canvas, const BarcodeGenerator& generator, double angle, platform::Size box,
               int textHeight, platform::Point origin) {
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
    if (isKnownBarcodeType(settings.barType) && SymbologyTable[settings.barType].Num &&
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
    generator_.setType(static_cast<BarcodeType>(settings.barType));
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
        if (canDrawOnDevice(canvas))
            drawOnDevice(canvas);
        else
            drawThroughPicture(canvas);
    }
    drawFrame(canvas, env);
}

void BarcodeObject::drawThroughPicture(platform::Canvas& canvas) {
    const platform::Size box{width, height};
    const int barHeight = (isUpright() ? width : height) - (settings.showText ? kTextRoom : 0);
    const SymbolPlacement at = placeSymbol(settings.angle, settings.barType == bcCodePostNet, box, barHeight);
    generator_.setLeft(at.left);
    generator_.setTop(at.top);
    generator_.setHeight(at.height);
    platform::PictureCanvas recording(box, &canvas);
    generator_.draw(recording);
    if (settings.showText) writeText(recording, generator_, settings.angle, box, kTextHeight, {0, 0});
    canvas.drawPicture(recording.picture(),
                       {drawX, drawY, addSaturated(drawX, drawWidth), addSaturated(drawY, drawHeight)});
}

namespace {

int deviceModul(std::int32_t modul, double scale) {
    return std::max(1, report::roundHalfEven(scale * modul));
}

}  // namespace

// A stretched picture would give every module a fractional number of dots, and bars of equal
// modules would differ by a dot. On a device the generator draws at the device's resolution
// instead, with whole-dot modules; recordings keep the picture, which any device can replay.
bool BarcodeObject::canDrawOnDevice(const platform::Canvas& canvas) const {
    if (canvas.isRecording() || !isRightAngle(settings.angle)) return false;
    return deviceModul(generator_.modul(), isUpright() ? scaleY : scaleX) <= kLargestModul;
}

void BarcodeObject::drawOnDevice(platform::Canvas& canvas) {
    const double along = isUpright() ? scaleY : scaleX;
    const double across = isUpright() ? scaleX : scaleY;
    ModulRestorer restorer(generator_);
    generator_.setModul(deviceModul(generator_.modul(), along));
    const int symbolDots = generator_.width();
    // The box keeps the object's scaled breadth; its length is the snapped symbol's, from the
    // object's left (or top) edge.
    const platform::Size box =
        isUpright() ? platform::Size{drawWidth, symbolDots} : platform::Size{symbolDots, drawHeight};
    const int designBars = (isUpright() ? width : height) - (settings.showText ? kTextRoom : 0);
    const int barHeight = report::roundHalfEven(designBars * across);
    const SymbolPlacement at = placeSymbol(settings.angle, settings.barType == bcCodePostNet, box, barHeight);
    generator_.setLeft(addSaturated(drawX, at.left));
    generator_.setTop(addSaturated(drawY, at.top));
    generator_.setHeight(at.height);
    generator_.draw(canvas);
    if (settings.showText) {
        const int textHeight = std::max(1, report::roundHalfEven(kTextHeight * across));
        writeText(canvas, generator_, settings.angle, box, textHeight, {drawX, drawY});
    }
}

}  // namespace barcode
