// MemoView: a text object. Font, alignment, highlight, spacing and the flags that steer
// wrapping and printing; its stream tail follows the view body.
#pragma once

#include <string>
#include <vector>

#include "report/MemoTextLayout.h"
#include "report/Stretchable.h"

namespace report {

enum MemoFlag : std::uint16_t {
    kMemoWordWrap = 0x002,
    kMemoWordBreak = 0x004,
    kMemoAutoWidth = 0x008,
    kMemoTextOnly = 0x010,
    kMemoSuppress = 0x020,
    kMemoHideZeros = 0x040,
    kMemoUnderlines = 0x080,
    kMemoRTLReading = 0x100,
};

// Alignment bits.
enum MemoAlignment : std::int32_t {
    kAlignLeft = 0,
    kAlignRight = 1,
    kAlignCenter = 2,
    kAlignJustify = 3,
    kAlignHorizontalMask = 3,
    kAlignRotated = 4,
    kAlignMiddle = 8,
    kAlignBottom = 16,
    kAlignVerticalMask = 24,
};

struct MemoFont {
    std::string name = "Arial";
    int size = 10;  // points
    int style = 0;  // platform::FontStyle bits
    platform::Color color = platform::kBlack;
    int charset = 1;
    friend bool operator==(const MemoFont&, const MemoFont&) = default;
};

struct MemoHighlight {
    int fontStyle = platform::kBold;
    platform::Color fontColor = platform::kBlack;
    platform::Color fillColor = platform::kWhite;
    std::string condition;
    friend bool operator==(const MemoHighlight&, const MemoHighlight&) = default;
};

// Class name stored in template and prepared-report streams; never changes.
inline constexpr const char* kMemoViewClassName = "TfrMemoView";

class MemoView : public Stretchable {
public:
    MemoView();

    std::string className() const override { return kMemoViewClassName; }
    std::string baseName() const override { return "Memo"; }

    MemoFont font;
    std::int32_t alignment = kAlignLeft;
    MemoHighlight highlight;
    int lineSpacing = 2;
    int charSpacing = 0;
    std::string lastPrintedText;  // for Suppress

    bool hasFlag(MemoFlag f) const { return (flags & f) != 0; }

    bool setProperty(const std::string& propertyName, const PropertyValue& value) override;
    PropertyValue property(const std::string& propertyName) const override;
    std::vector<std::string> propertyNames() const override;

    void readRecord(platform::ByteReader& in, int version, RecordKind kind) override;
    void writeRecord(platform::ByteWriter& out, RecordKind kind, const RecordFields& fields) const override;

    void draw(platform::Canvas& canvas, const DrawEnvironment& env = {}) const override;
    bool print(PrintContext& context) override;
    int calcHeight(platform::Canvas& canvas, const std::vector<std::string>& lines) const override;

    // The font as the canvas takes it at the given vertical scale.
    platform::Font canvasFont(double scale) const;
    // Pixel height of the font at scale 1 (points at 96 dpi).
    int fontPixelHeight(double scale) const;
    // Distance from one text line to the next at this scale: font height plus line spacing.
    int lineStep(double scale) const;

private:
    MemoLayoutOptions layoutOptions(int innerWidth, double sx, double sy) const;
    // The lines wrapped in a box at scale 1, so that breaks are the same at every zoom.
    std::vector<LaidOutLine> wrappedLines(platform::Canvas& canvas, const ViewBox& box,
                                          const std::vector<std::string>& lines) const;
    int neededHeight(platform::Canvas& canvas, const ViewBox& box,
                     const std::vector<std::string>& lines) const;
    // The box as wide as the widest line (AutoWidth); right-aligned text keeps its right edge.
    ViewBox autoWidthBox(platform::Canvas& canvas, const ViewBox& box,
                         const std::vector<std::string>& lines) const;
    void writeMemoRecord(platform::ByteWriter& out, RecordKind kind, const RecordFields& fields,
                         const MemoFont& recordFont) const;
    void drawUnderlines(platform::Canvas& canvas, const DrawGeometry& at) const;
    void drawText(platform::Canvas& canvas, const std::vector<LaidOutLine>& lines,
                  const DrawGeometry& at) const;
};

// Stream font-style bits order (italic, bold, underline, strike-out) <-> platform bits.
int fontStyleFromStream(int stored);
int fontStyleToStream(int style);

}  // namespace report
