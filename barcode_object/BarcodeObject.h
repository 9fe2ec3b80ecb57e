// BarcodeObject: the report object that prints a barcode. Its memo's first line is the text
// to encode (normally an expression such as [kb1."giorno"]); its own settings pick the
// symbology, check character, human-readable text, module, ratio and angle. It draws through
// a generator set up for each drawing, either into a picture stretched into its rectangle or,
// on a real device, directly at the device's resolution so that the bars land on whole dots;
// never outside its rectangle. Drawing changes nothing in the object.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "barcode/BarcodeGenerator.h"
#include "barcode/DotSnapping.h"
#include "report/View.h"

namespace barcode_object {

// The seven settings stored in the record's 24-byte tail, in stream order.
struct BarcodeRecord {
    bool withCheckSum = true;
    bool showText = true;
    std::uint8_t reserved = 0;  // unused; kept as read
    std::uint8_t barType = barcode::bcCode39;
    std::int32_t modul = 1;
    double ratio = 2.0;
    double angle = 0.0;
};

inline constexpr const char* kBarCodeViewClassName = "TfrBarCodeView";
// Shown (and encoded) when the memo holds no plain text.
inline constexpr const char* kPlaceholderText = "12345678";
// Property kinds of the two entries the barcode adds to the common list.
inline constexpr int kBarcodePropertyKind = 0x140;
inline constexpr int kDataFieldPropertyKind = 0x141;

class BarcodeObject : public report::View {
public:
    BarcodeObject();

    std::string className() const override { return kBarCodeViewClassName; }
    std::string baseName() const override { return "Bar"; }

    BarcodeRecord settings;

    std::vector<std::string> propertyNames() const override;

    void readRecord(platform::ByteReader& in, int version, report::RecordKind kind) override;
    void writeRecord(platform::ByteWriter& out, report::RecordKind kind,
                     const report::RecordFields& fields) const override;

    // Evaluates the first memo line (a failed expression gives "0") and writes the printing
    // record; false when the object is invisible.
    bool print(report::PrintContext& context) override;

    // The stored box with the symbol's length (width, or height at 90 and 270 degrees); the
    // stored box when the symbol cannot be encoded.
    report::ViewBox drawnBox() const override;
    // Paints the symbol in the box it covers. Generator errors propagate to the caller with
    // nothing painted.
    void draw(platform::Canvas& canvas, const report::DrawEnvironment& env = {}) const override;

private:
    bool isUpright() const;  // angle 90 or 270: the symbol runs along the height
    // A generator set up with the settings and the text to encode, at the design module.
    barcode::BarcodeGenerator configuredGenerator() const;
    std::string textToEncode() const;
    report::ViewBox symbolBox(barcode::BarcodeGenerator& generator) const;
    std::optional<barcode::DotWidths> deviceWidths(const platform::Canvas& canvas,
                                                   barcode::BarcodeGenerator& generator,
                                                   const report::DrawGeometry& at) const;
    void drawThroughPicture(platform::Canvas& canvas, barcode::BarcodeGenerator& generator,
                            const report::DrawGeometry& at) const;
    void drawOnDevice(platform::Canvas& canvas, barcode::BarcodeGenerator& generator,
                      const report::DrawGeometry& at, barcode::DotWidths dots) const;
};

// The 24-byte tail that follows the view body.
constexpr std::size_t kBarcodeTailSize = 24;
BarcodeRecord readBarcodeTail(platform::ByteReader& in);
void writeBarcodeTail(platform::ByteWriter& out, const BarcodeRecord& record);

}  // namespace barcode_object
