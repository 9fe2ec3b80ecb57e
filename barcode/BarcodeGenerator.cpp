#include "barcode/BarcodeGenerator.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "barcode/BarcodeError.h"
#include "barcode/Encoders.h"
#include "platform/Rounding.h"
#include "platform/Utf8.h"

namespace barcode {

namespace {

constexpr std::int32_t kMinModul = 1;
constexpr std::int32_t kMaxModul = 49;
constexpr double kUpperRatio = 3.0;

std::string classMessage(const char* text) {
    return std::string(kGeneratorClassName) + text;
}

bool isBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isEan128(BarcodeType t) {
    return t == bcCodeEAN128A || t == bcCodeEAN128B || t == bcCodeEAN128C;
}

// The character at s[i] as the user sees it: one byte, or a whole UTF-8 sequence.
std::string characterAt(const std::string& s, std::size_t i) {
    return s.substr(i, platform::utf8CharacterEnd(s, i) - i);
}

}  // namespace

void BarcodeGenerator::changed() {
    if (onChange_) onChange_(*this);
}

void BarcodeGenerator::setHeight(std::int32_t v) {
    if (v == height_) return;
    height_ = v;
    changed();
}

void BarcodeGenerator::setText(const std::string& v) {
    callerText_ = v;
    if (v == text_) return;
    text_ = v;
    changed();
}

void BarcodeGenerator::setTop(std::int32_t v) {
    if (v == top_) return;
    top_ = v;
    changed();
}

void BarcodeGenerator::setLeft(std::int32_t v) {
    if (v == left_) return;
    left_ = v;
    changed();
}

void BarcodeGenerator::setModul(std::int32_t v) {
    if (v < kMinModul || v > kMaxModul) return;
    modul_ = v;
    changed();
}

void BarcodeGenerator::setRatio(double v) {
    if (v == ratio_) return;
    ratio_ = v;
    changed();
}

void BarcodeGenerator::setType(BarcodeType v) {
    if (v == typ_) return;
    typ_ = v;
    changed();
}

void BarcodeGenerator::setChecksum(bool v) {
    if (v == checksum_) return;
    checksum_ = v;
    changed();
}

void BarcodeGenerator::setAngle(double v) {
    if (v == angle_) return;
    angle_ = v;
    changed();
}

std::string BarcodeGenerator::encode() {
    if (!isKnownBarcodeType(typ_)) throw BarcodeError(classMessage(": wrong BarcodeType"));
    limitRatio();
    computeModuleWidths();
    // EAN-128 may append a check digit to Text; restarting from the caller's text keeps a
    // second encoding (width, then drawing) from appending another one.
    if (isEan128(typ_)) text_ = callerText_;
    if (symbologyTable[typ_].digitsOnly) trimDigitsOnlyText();
    const Encoder encoder = encoderFor(typ_);
    if (encoder == nullptr) throw BarcodeError(classMessage(": internal Error"));
    return encoder(*this);
}

void BarcodeGenerator::limitRatio() {
    const auto limit = ratioLimitOf(typ_);
    if (!limit) return;
    if (ratio_ < limit->lower) setRatio(limit->lower);
    if (ratio_ > kUpperRatio) setRatio(kUpperRatio);
}

void BarcodeGenerator::computeModuleWidths() {
    // Widths are kept far below the int32 range so that sums and corner coordinates of any
    // pattern stay representable, whatever ratio an unlimited symbology was given.
    constexpr double kMaxWide = 1 << 20;
    double wide = static_cast<double>(modul_) * ratio_;
    if (std::isnan(wide)) wide = 0;
    wide = std::clamp(wide, -kMaxWide, kMaxWide);
    const auto wide1 = static_cast<std::int32_t>(platform::roundHalfEven(wide));
    modules_ = {modul_, wide1, wide1 * 3 / 2, wide1 * 2};
}

void BarcodeGenerator::trimDigitsOnlyText() {
    const auto first = std::find_if_not(text_.begin(), text_.end(), isBlankOrControl);
    const auto last = std::find_if_not(text_.rbegin(), text_.rend(), isBlankOrControl).base();
    text_ = first < last ? std::string(first, last) : std::string();
    if (!std::all_of(text_.begin(), text_.end(), isDigit)) throw BarcodeError("Barcode must be numeric");
}

ModuleElement BarcodeGenerator::moduleWidth(char code) const {
    if (code >= '0' && code <= '3') return {modules_[code - '0'], ElementKind::Space};
    if (code >= '5' && code <= '8') return {modules_[code - '5'], ElementKind::Bar};
    if (code >= 'A' && code <= 'D') return {modules_[code - 'A'], ElementKind::ShortBar};
    throw BarcodeError(classMessage(": internal Error"));
}

std::int32_t BarcodeGenerator::patternWidth(const std::string& pattern) const {
    std::int64_t sum = 0;
    for (char code : pattern) sum += moduleWidth(code).width;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

std::int32_t BarcodeGenerator::width() {
    return patternWidth(encode());
}

void BarcodeGenerator::setWidth(std::int32_t v) {
    const std::int32_t w = width();
    if (w <= 0) return;
    const std::int64_t modul = static_cast<std::int64_t>(modul_) * v / w;
    // Anything outside 1..49 is ignored by setModul anyway.
    if (modul < kMinModul || modul > kMaxModul) return;
    setModul(static_cast<std::int32_t>(modul));
}

std::string BarcodeGenerator::fixedLengthText(std::size_t n) const {
    if (text_.size() > n) return text_.substr(0, n);
    return std::string(n - text_.size(), '0') + text_;
}

std::string BarcodeGenerator::applyCheckSum(const std::string& s) const {
    if (checkSumMethod_ == csmNone) return s;
    return s + modulo10CheckDigit(s);
}

char BarcodeGenerator::modulo10CheckDigit(const std::string& s) {
    // Converted first to last, so the first non-digit is the one reported.
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (!isDigit(s[i])) throw BarcodeError("'" + characterAt(s, i) + "' is not a valid integer value");
    }
    int sum = 0;
    int weight = 3;
    for (auto it = s.rbegin(); it != s.rend(); ++it) {
        sum = (sum + (*it - '0') * weight) % 10;
        weight = 4 - weight;
    }
    return static_cast<char>('0' + (10 - sum % 10) % 10);
}

}  // namespace barcode
