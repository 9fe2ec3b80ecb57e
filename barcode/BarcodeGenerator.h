// The barcode generator: turns Text into the bars and spaces of one symbology and paints
// them on a Canvas at a position, height, narrow-module width, ratio and angle.
//
// Encoders (one per symbology, see Encoders.h) receive the generator, read its properties
// and return a pattern: a string of module codes, one per element, left to right:
//   '0'..'3'  space painted in Color, width ModuleWidths()[0..3]
//   '5'..'8'  full-height bar in ColorBar, width ModuleWidths()[0..3]
//   'A'..'D'  short bar (2/5 of Height) in ColorBar, width ModuleWidths()[0..3]
// With Ratio 2.0 the four widths are 1, 2, 3 and 4 times Modul.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "barcode/BarcodeType.h"
#include "platform/Canvas.h"
#include "platform/Color.h"

namespace barcode {

enum TfrCheckSumMethod : std::uint8_t { csmNone = 0, csmModulo10 = 1 };

enum class ElementKind { Space, Bar, ShortBar };

struct ModuleElement {
    std::int32_t width;
    ElementKind kind;
};

class TfrBarcode {
public:
    using ChangeHandler = std::function<void(TfrBarcode& sender)>;

    TfrBarcode() = default;
    virtual ~TfrBarcode() = default;

    // Calls OnChange with this generator as sender when a handler is set.
    virtual void Changed();

    // Properties. Setters notify (Changed) only when the value differs, except SetModul,
    // which ignores values outside 1..49 and notifies on every accepted value.
    std::int32_t Height() const { return height_; }
    void SetHeight(std::int32_t v);
    // The text shown and encoded. SetText also records it as the caller's text, the one
    // EAN-128 encoding restarts from (so encoding twice adds one check digit, not two).
    const std::string& Text() const { return text_; }
    void SetText(const std::string& v);
    std::int32_t Top() const { return top_; }
    void SetTop(std::int32_t v);
    std::int32_t Left() const { return left_; }
    void SetLeft(std::int32_t v);
    std::int32_t Modul() const { return modul_; }
    void SetModul(std::int32_t v);
    double Ratio() const { return ratio_; }
    void SetRatio(double v);
    TfrBarcodeType Typ() const { return typ_; }
    void SetTyp(TfrBarcodeType v);
    bool Checksum() const { return checksum_; }
    void SetChecksum(bool v);
    double Angle() const { return angle_; }
    void SetAngle(double v);
    // Plain fields: no notification.
    TfrCheckSumMethod CheckSumMethod() const { return checkSumMethod_; }
    void SetCheckSumMethod(TfrCheckSumMethod v) { checkSumMethod_ = v; }
    platform::Color Color() const { return color_; }
    void SetColor(platform::Color v) { color_ = v; }
    platform::Color ColorBar() const { return colorBar_; }
    void SetColorBar(platform::Color v) { colorBar_ = v; }
    const ChangeHandler& OnChange() const { return onChange_; }
    void SetOnChange(ChangeHandler h) { onChange_ = std::move(h); }

    // Total symbol width in device units (encodes the current text; throws as Encode).
    std::int32_t Width();
    // Scales Modul by v / Width (integer division); SetModul's 1..49 rule applies.
    void SetWidth(std::int32_t v);

    // The pattern for the current properties. May limit Ratio (through SetRatio), trim Text
    // for digits-only symbologies and let the encoder rewrite Text. Throws BarcodeError.
    std::string Encode();
    // Encodes, then paints the symbol with its bounding box at (Left, Top). A failure while
    // encoding leaves the canvas untouched; pen, brush and font are given back afterwards.
    void Draw(platform::Canvas& canvas);

    // Width and kind of one module code; throws "TfrBarcode: internal Error" for a code
    // outside the alphabet. Valid after the first Encode (widths are set there).
    ModuleElement ModuleWidth(char code) const;
    // The four module widths of the last encoding: Modul, Modul*Ratio rounded half to even,
    // that * 3 / 2 truncated, that * 2.
    const std::array<std::int32_t, 4>& ModuleWidths() const { return modules_; }

    // --- Routines shared by the encoders ---
    // The first n characters of Text, or Text with '0's put in front up to length n.
    std::string FixedLengthText(std::size_t n) const;
    // s, followed by its modulo-10 check digit unless CheckSumMethod is csmNone.
    std::string ApplyCheckSum(const std::string& s) const;
    // Digits weighted 3, 1, 3, ... from the right; (10 - sum mod 10) mod 10 as a character.
    // Throws "'c' is not a valid integer value" for the first non-digit c.
    static char Modulo10CheckDigit(const std::string& s);
    // Writes Text without notification: encoders use it for the rewrites their symbology
    // makes (trimming, leading zeros, check digits, temporary full-ASCII expansion).
    void StoreText(std::string v) { text_ = std::move(v); }
    // The text the caller last gave through SetText.
    const std::string& CallerText() const { return callerText_; }

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
    TfrBarcodeType typ_ = bcCodeEAN13;
    bool checksum_ = false;
    TfrCheckSumMethod checkSumMethod_ = csmModulo10;
    double angle_ = 0.0;
    platform::Color color_ = platform::kWhite;
    platform::Color colorBar_ = platform::kBlack;
    ChangeHandler onChange_;
    std::array<std::int32_t, 4> modules_{1, 2, 3, 4};
};

}  // namespace barcode
