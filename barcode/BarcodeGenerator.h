// The barcode generator: turns Text into the bars and spaces of one symbology and paints
// them on a Canvas at a position, height, narrow-module width, ratio and angle.
//
// Encoders (one per symbology, see Encoders.h) receive the generator, read its properties
// and return a pattern: a string of module codes, one per element, left to right:
//   '0'..'3'  space painted in Color, width moduleWidths()[0..3]
//   '5'..'8'  full-height bar in colorBar, width moduleWidths()[0..3]
//   'A'..'D'  short bar (2/5 of the height) in colorBar, width moduleWidths()[0..3]
// With ratio 2.0 the four widths are 1, 2, 3 and 4 times modul.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "barcode/BarcodeType.h"
#include "platform/Canvas.h"
#include "platform/Color.h"

namespace barcode {

enum CheckSumMethod : std::uint8_t { csmNone = 0, csmModulo10 = 1 };

enum class ElementKind { Space, Bar, ShortBar };

struct ModuleElement {
    std::int32_t width;
    ElementKind kind;
};

class BarcodeGenerator {
public:
    using ChangeHandler = std::function<void(BarcodeGenerator& sender)>;

    BarcodeGenerator() = default;
    virtual ~BarcodeGenerator() = default;

    // Calls onChange with this generator as sender when a handler is set.
    virtual void changed();

    // Properties. Setters notify (changed) only when the value differs, except setModul,
    // which ignores values outside 1..49 and notifies on every accepted value.
    std::int32_t height() const { return height_; }
    void setHeight(std::int32_t v);
    // The text shown and encoded. setText also records it as the caller's text, the one
    // EAN-128 encoding restarts from (so encoding twice adds one check digit, not two).
    const std::string& text() const { return text_; }
    void setText(const std::string& v);
    std::int32_t top() const { return top_; }
    void setTop(std::int32_t v);
    std::int32_t left() const { return left_; }
    void setLeft(std::int32_t v);
    std::int32_t modul() const { return modul_; }
    void setModul(std::int32_t v);
    double ratio() const { return ratio_; }
    void setRatio(double v);
    BarcodeType type() const { return typ_; }
    void setType(BarcodeType v);
    bool checksum() const { return checksum_; }
    void setChecksum(bool v);
    double angle() const { return angle_; }
    void setAngle(double v);
    // Plain fields: no notification.
    CheckSumMethod checkSumMethod() const { return checkSumMethod_; }
    void setCheckSumMethod(CheckSumMethod v) { checkSumMethod_ = v; }
    platform::Color color() const { return color_; }
    void setColor(platform::Color v) { color_ = v; }
    platform::Color colorBar() const { return colorBar_; }
    void setColorBar(platform::Color v) { colorBar_ = v; }
    const ChangeHandler& onChange() const { return onChange_; }
    void setOnChange(ChangeHandler h) { onChange_ = std::move(h); }

    // Total symbol width in device units (encodes the current text; throws as encode).
    std::int32_t width();
    // Scales modul by v / width (integer division); setModul's 1..49 rule applies.
    void setWidth(std::int32_t v);

    // The pattern for the current properties. May limit ratio (through setRatio), trim Text
    // for digits-only symbologies and let the encoder rewrite Text. Throws BarcodeError.
    std::string encode();
    // Encodes, then paints the symbol with its bounding box at (Left, Top). A failure while
    // encoding leaves the canvas untouched; pen, brush and font are given back afterwards.
    void draw(platform::Canvas& canvas);

    // width and kind of one module code; throws "TfrBarcode: internal Error" for a code
    // outside the alphabet. Valid after the first encode (widths are set there).
    ModuleElement moduleWidth(char code) const;
    // The four module widths of the last encoding: modul, modul*ratio rounded half to even,
    // that * 3 / 2 truncated, that * 2.
    const std::array<std::int32_t, 4>& moduleWidths() const { return modules_; }

    // --- Routines shared by the encoders ---
    // The first n characters of Text, or Text with '0's put in front up to length n.
    std::string fixedLengthText(std::size_t n) const;
    // s, followed by its modulo-10 check digit unless CheckSumMethod is csmNone.
    std::string applyCheckSum(const std::string& s) const;
    // Digits weighted 3, 1, 3, ... from the right; (10 - sum mod 10) mod 10 as a character.
    // Throws "'c' is not a valid integer value" for the first non-digit c.
    static char modulo10CheckDigit(const std::string& s);
    // Writes Text without notification: encoders use it for the rewrites their symbology
    // makes (trimming, leading zeros, check digits, temporary full-ASCII expansion).
    void storeText(std::string v) { text_ = std::move(v); }
    // The text the caller last gave through setText.
    const std::string& callerText() const { return callerText_; }

private:
    void limitRatio();
    void computeModuleWidths();
    void trimDigitsOnlyText();
    std::int32_t patternWidth(const std::string& pattern) const;

    std::int32_t height_ = 0;
    std::string text_;
    std::string callerText_;
    std::int32_t top_ = 0;
    std::int32_t left_ = 0;
    std::int32_t modul_ = 1;
    double ratio_ = 2.0;
    BarcodeType typ_ = bcCodeEAN13;
    bool checksum_ = false;
    CheckSumMethod checkSumMethod_ = csmModulo10;
    double angle_ = 0.0;
    platform::Color color_ = platform::kWhite;
    platform::Color colorBar_ = platform::kBlack;
    ChangeHandler onChange_;
    std::array<std::int32_t, 4> modules_{1, 2, 3, 4};
};

}  // namespace barcode
