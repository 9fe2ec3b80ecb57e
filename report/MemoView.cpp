#include "report/MemoView.h"

#include <algorithm>
#include <cctype>

#include "platform/ClampedInt.h"
#include "platform/Rounding.h"
#include "report/ExpressionHook.h"
#include "report/StoredRange.h"
#include "report/StreamText.h"

namespace report {
namespace {

// Character set taken for streams older than version 23.
constexpr int kDefaultCharset = 1;
// Stream style bits.
constexpr int kStreamItalic = 1, kStreamBold = 2, kStreamUnderline = 4, kStreamStrikeOut = 8;

std::string joinedText(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i) text += "\r\n";
        text += lines[i];
    }
    return text;
}

}  // namespace

int fontStyleFromStream(int stored) {
    int style = 0;
    if (stored & kStreamItalic) style |= platform::kItalic;
    if (stored & kStreamBold) style |= platform::kBold;
    if (stored & kStreamUnderline) style |= platform::kUnderline;
    if (stored & kStreamStrikeOut) style |= platform::kStrikeOut;
    return style;
}

int fontStyleToStream(int style) {
    int stored = 0;
    if (style & platform::kItalic) stored |= kStreamItalic;
    if (style & platform::kBold) stored |= kStreamBold;
    if (style & platform::kUnderline) stored |= kStreamUnderline;
    if (style & platform::kStrikeOut) stored |= kStreamStrikeOut;
    return stored;
}

MemoView::MemoView() : Stretchable(kMemoObject) {
    flags = kFlagStretched | kMemoWordWrap;
}

int MemoView::fontPixelHeight(double scale) const {
    return platform::clampedInt(platform::roundHalfEven(font.size * 96.0 / 72.0 * scale));
}

int MemoView::lineStep(double scale) const {
    return platform::clampedInt(static_cast<std::int64_t>(fontPixelHeight(scale)) +
                                platform::roundHalfEvenToInt(lineSpacing * scale));
}

platform::Font MemoView::canvasFont(double scale) const {
    platform::Font f;
    f.name = font.name;
    f.height = fontPixelHeight(scale);
    f.style = font.style;
    f.color = font.color;
    f.charset = font.charset;
    f.escapement = (alignment & kAlignRotated) ? 900 : 0;
    return f;
}

// ---------------------------------------------------------------- stream

void MemoView::readRecord(platform::ByteReader& in, int version, RecordKind kind) {
    View::readRecord(in, version, kind);
    font.name = readString(in, version);
    font.size = checkedPosition(in.i32());
    font.style = fontStyleFromStream(in.u16());
    font.color = static_cast<platform::Color>(in.i32());
    alignment = in.i32();
    const int charset = in.u16() & 0xFF;
    font.charset = version >= 23 ? charset : kDefaultCharset;
    if (kind == RecordKind::Template) {
        highlight.fontStyle = fontStyleFromStream(in.u16());
        highlight.fontColor = static_cast<platform::Color>(in.i32());
        highlight.fillColor = static_cast<platform::Color>(in.i32());
        highlight.condition = readString(in, version);
    }
    if (version >= 24) {
        lineSpacing = checkedPosition(in.i32());
        charSpacing = checkedPosition(in.i32());
    }
    if (version == 21) flags |= kMemoWordWrap;
}

void MemoView::writeRecord(platform::ByteWriter& out, RecordKind kind, const RecordFields& fields) const {
    writeMemoRecord(out, kind, fields, font);
}

void MemoView::writeMemoRecord(platform::ByteWriter& out, RecordKind kind, const RecordFields& fields,
                               const MemoFont& recordFont) const {
    View::writeRecord(out, kind, fields);
    writeString(out, recordFont.name);
    out.i32(recordFont.size);
    out.u16(static_cast<std::uint16_t>(fontStyleToStream(recordFont.style)));
    out.i32(static_cast<std::int32_t>(recordFont.color));
    out.i32(alignment);
    out.u16(static_cast<std::uint16_t>(recordFont.charset & 0xFF));
    if (kind == RecordKind::Template) {
        out.u16(static_cast<std::uint16_t>(fontStyleToStream(highlight.fontStyle)));
        out.i32(static_cast<std::int32_t>(highlight.fontColor));
        out.i32(static_cast<std::int32_t>(highlight.fillColor));
        writeString(out, highlight.condition);
    }
    out.i32(lineSpacing);
    out.i32(charSpacing);
}

// ---------------------------------------------------------------- properties

namespace {

struct FlagProperty {
    const char* upperName;
    const char* name;
    std::uint16_t bit;
};
constexpr FlagProperty kMemoFlagProperties[] = {
    {"WORDWRAP", "WordWrap", kMemoWordWrap},       {"WORDBREAK", "WordBreak", kMemoWordBreak},
    {"AUTOWIDTH", "AutoWidth", kMemoAutoWidth},    {"TEXTONLY", "TextOnly", kMemoTextOnly},
    {"SUPPRESS", "Suppress", kMemoSuppress},       {"HIDEZEROS", "HideZeros", kMemoHideZeros},
    {"UNDERLINES", "Underlines", kMemoUnderlines}, {"RTLREADING", "RTLReading", kMemoRTLReading},
};

}  // namespace

bool MemoView::setProperty(const std::string& propertyName, const PropertyValue& value) {
    const std::string n = upper(propertyName);
    for (const auto& f : kMemoFlagProperties) {
        if (n == f.upperName) {
            flags = static_cast<std::uint16_t>(propertyAsBool(value) ? (flags | f.bit) : (flags & ~f.bit));
            return true;
        }
    }
    if (n == "FONT.NAME")
        font.name = propertyAsText(value);
    else if (n == "FONT.SIZE")
        font.size = static_cast<int>(propertyAsInt(value));
    else if (n == "FONT.STYLE")
        font.style = fontStyleFromStream(static_cast<int>(propertyAsInt(value)));
    else if (n == "FONT.COLOR")
        font.color = static_cast<platform::Color>(propertyAsInt(value));
    else if (n == "ALIGNMENT")
        alignment = static_cast<std::int32_t>(propertyAsInt(value));
    else if (n == "DISPLAYFORMAT")
        formatCode = static_cast<std::int32_t>(propertyAsInt(value));
    else if (n == "HIGHLIGHT")
        highlight.condition = propertyAsText(value);
    else if (n == "LINESPACING")
        lineSpacing = static_cast<int>(propertyAsInt(value));
    else if (n == "CHARSPACING")
        charSpacing = static_cast<int>(propertyAsInt(value));
    else
        return Stretchable::setProperty(propertyName, value);
    return true;
}

PropertyValue MemoView::property(const std::string& propertyName) const {
    const std::string n = upper(propertyName);
    for (const auto& f : kMemoFlagProperties)
        if (n == f.upperName) return (flags & f.bit) != 0;
    if (n == "FONT.NAME") return font.name;
    if (n == "FONT.SIZE") return static_cast<long long>(font.size);
    if (n == "FONT.STYLE") return static_cast<long long>(fontStyleToStream(font.style));
    if (n == "FONT.COLOR") return static_cast<long long>(font.color);
    if (n == "ALIGNMENT") return static_cast<long long>(alignment);
    if (n == "DISPLAYFORMAT") return static_cast<long long>(formatCode);
    if (n == "HIGHLIGHT") return highlight.condition;
    if (n == "LINESPACING") return static_cast<long long>(lineSpacing);
    if (n == "CHARSPACING") return static_cast<long long>(charSpacing);
    if (n == "LINES.COUNT") return static_cast<long long>(memo.size());
    return Stretchable::property(propertyName);
}

std::vector<std::string> MemoView::propertyNames() const {
    auto names = Stretchable::propertyNames();
    names.insert(names.end(), {"Font.Name", "Font.Size", "Font.Style", "Font.Color", "Alignment",
                               "DisplayFormat", "Highlight", "LineSpacing", "CharSpacing"});
    for (const auto& f : kMemoFlagProperties) names.emplace_back(f.name);
    names.emplace_back("Lines.Count");
    return names;
}

// ---------------------------------------------------------------- printing

int MemoView::calcHeight(platform::Canvas& canvas, const std::vector<std::string>& lines) const {
    return neededHeight(canvas, box(), lines);
}

bool MemoView::print(PrintContext& context) {
    workingLines = memo;
    if (context.expressions) {
        context.expressions->expandLines(workingLines, *this);
        context.expressions->runScript(script, *this);
    }
    if (!visible) return false;

    MemoFont printedFont = font;
    platform::Color printedFill = fillColor;
    if (!highlight.condition.empty() && context.expressions &&
        context.expressions->isTrue(highlight.condition, *this)) {
        printedFont.style = highlight.fontStyle;
        printedFont.color = highlight.fontColor;
        printedFill = highlight.fillColor;
    }
    ViewBox placed = box();
    if (context.measureCanvas) {
        if (hasFlag(kMemoAutoWidth)) placed = autoWidthBox(*context.measureCanvas, placed, workingLines);
        if (flags & kFlagStretched)
            placed.height =
                std::max(placed.height, neededHeight(*context.measureCanvas, placed, workingLines));
    }
    const std::string tagText = printedTag(context);
    placed = printedBox(placed, context.environment);

    const std::string text = joinedText(workingLines);
    if (hasFlag(kMemoSuppress) && text == lastPrintedText) return false;
    lastPrintedText = text;
    writeRecordHeader(context.out);
    writeMemoRecord(context.out, RecordKind::Printing, {placed, printedFill, workingLines, tagText},
                    printedFont);
    return true;
}

}  // namespace report
