// View: every object placed on a page. Geometry, frame, fill, text lines and flags; the
// common body of its stream record in both variants (template and printing); draw preparation
// at a scale and offset; background and frame drawing; printing itself into a prepared page.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ByteReader.h"
#include "platform/ByteWriter.h"
#include "platform/Canvas.h"
#include "platform/Color.h"
#include "platform/Geometry.h"
#include "report/DocumentMode.h"
#include "report/Object.h"

namespace report {

class Page;
class ExpressionHost;
class ImageCodec;

// ObjectType codes of stream records.
enum ObjectTypeCode : std::uint8_t {
    kMemoObject = 0,
    kPictureObject = 1,
    kBandObject = 2,
    kSubReportObject = 3,
    kLineObject = 4,
    kAddInObject = 10,
};

// Frame edges (FrameTyp bits).
enum FrameEdge : std::uint16_t { kFrameRight = 1, kFrameBottom = 2, kFrameLeft = 4, kFrameTop = 8 };
constexpr std::uint16_t kFrameAll = 15;

enum FrameStyleCode : std::uint16_t {
    kFrameSolid = 0,
    kFrameDash,
    kFrameDot,
    kFrameDashDot,
    kFrameDashDotDot,
    kFrameDouble
};

// Flags bit shared by every class.
constexpr std::uint16_t kFlagStretched = 0x001;

enum class BandAlign : std::uint8_t { None = 0, Left, Right, Center, width, Bottom, Top, Rest };

// The run-time band an object belongs to during preparation; the preparation engine implements
// it. Bands answer their geometry and visibility from it while preparing.
class BandRuntime {
public:
    virtual ~BandRuntime() = default;
    virtual platform::Rect bounds() const = 0;  // page pixels
    virtual bool visible() const = 0;
    virtual bool isCrossTab() const { return false; }
    // "FIRST", "NEXT", "PRIOR": moves the band's data source; false when not handled.
    virtual bool callMethod(const std::string&) { return false; }
    virtual bool eof() const { return false; }
};

// Where and how an object draws, given by the caller: the page area for BandAlign, whether
// this is the first pass of a two-pass run (which draws no background or frame), whether it
// draws as designed or as printed, and the decoder for bitmap and icon pictures.
struct DrawEnvironment {
    int areaLeft = 0;
    int areaRight = 0;
    bool firstPassOfTwo = false;
    DocumentMode mode = DocumentMode::Designing;
    ImageCodec* imageCodec = nullptr;  // none: bitmaps and icons are not drawn
};

// Where an object prints itself into a prepared page.
struct PrintContext {
    platform::ByteWriter& out;
    ExpressionHost* expressions = nullptr;      // none: lines are written as they stand
    platform::Canvas* measureCanvas = nullptr;  // off-screen canvas for measuring text
    DrawEnvironment environment;
};

// Class name stored in template and prepared-report streams; never changes.
inline constexpr const char* kViewClassName = "TfrView";

class View : public Object {
public:
    View();
    ~View() override = default;
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    // --- identity
    std::uint8_t objectType() const { return objectType_; }
    // Class name written after ObjectType 10 (add-ins) and looked up by the reader.
    virtual std::string className() const { return kViewClassName; }
    // Prefix of generated names ("Memo1").
    virtual std::string baseName() const { return "View"; }
    int serial() const { return serial_; }

    // --- stored fields (stream order)
    int left = 0, top = 0, width = 0, height = 0;
    std::uint16_t flags = kFlagStretched;
    std::uint16_t frameTyp = 0;
    double frameWidth = 1.0;
    platform::Color frameColor = platform::kBlack;
    std::uint16_t frameStyle = kFrameSolid;
    platform::Color fillColor = platform::kNoColor;
    std::int32_t formatCode;
    std::string formatText;
    std::vector<std::string> memo;
    std::vector<std::string> script;
    bool visible = true;
    std::uint16_t restrictions = 0;
    std::string tag;
    int gapX = 2, gapY = 1;
    BandAlign bandAlign = BandAlign::None;
    std::uint8_t layoutMajor = 0;
    std::uint8_t layoutMinor = 0;

    // --- run-time state
    std::vector<std::string> workingLines;  // evaluated copy of memo while printing
    bool prepared = false;                  // selects the printing variant of the record
    double scaleX = 1.0, scaleY = 1.0;
    int offsetX = 0, offsetY = 0;
    Page* page = nullptr;
    BandRuntime* band = nullptr;

    // --- geometry computed by prepareDraw
    int drawX = 0, drawY = 0, drawWidth = 0, drawHeight = 0;
    double drawFrameWidth = 1.0;
    int drawGapX = 0, drawGapY = 0;
    platform::Rect drawRect;

    // --- properties by name
    bool setProperty(const std::string& propertyName, const PropertyValue& value) override;
    PropertyValue property(const std::string& propertyName) const override;
    bool callMethod(const std::string& methodName) override;
    std::vector<std::string> propertyNames() const override;

    // --- stream
    virtual void loadFromStream(platform::ByteReader& in, int version);
    virtual void saveToStream(platform::ByteWriter& out) const;
    // Called on every object once the whole template has been read.
    virtual void afterLoad() {}
    // Option hook; the reader calls it with -1 for add-in objects it creates.
    virtual void setIntOption(int) {}

    // --- drawing
    // Computes the drawing geometry from the stored one at the current scale and offset.
    virtual void prepareDraw();
    // Gives back the stored geometry after drawing.
    virtual void endDraw();
    // Applies BandAlign within the page area (and the run-time band when there is one).
    void applyBandAlign(const DrawEnvironment& env);
    virtual void drawBackground(platform::Canvas& canvas, const DrawEnvironment& env);
    virtual void drawFrame(platform::Canvas& canvas, const DrawEnvironment& env);
    // Draws the object at the current scale and offset. The base draws background and frame.
    virtual void draw(platform::Canvas& canvas, const DrawEnvironment& env = {});

    // --- printing into a prepared page
    // Evaluates the object and writes its printing record; false when nothing was written.
    virtual bool print(PrintContext& context);

    // Right and bottom edges of the stored geometry at the current scale and offset.
    int scaledRight() const;
    int scaledBottom() const;

    // Keeps the stored geometry so endDraw can give it back (BandAlign and AutoWidth move it).
    void beginDraw();

protected:
    explicit View(std::uint8_t type);
    // LayoutMinor as written: bands write 1, other objects what they hold.
    virtual std::uint8_t writtenLayoutMinor() const { return layoutMinor; }
    // Writes ObjectType, class name for add-ins, and the printing record.
    void writePrintedRecord(platform::ByteWriter& out);
    // The bounds that neighbouring objects occupy, for BandAlign left/right/rest.
    int nearestLeftEdge(int areaLeft) const;
    int nearestRightEdge(int areaRight) const;

private:
    void readBody(platform::ByteReader& in, int version);
    void writeBody(platform::ByteWriter& out) const;

    std::uint8_t objectType_;
    int serial_;
    // Stored geometry kept while drawing at another scale.
    int savedLeft_ = 0, savedTop_ = 0, savedWidth_ = 0, savedHeight_ = 0;
    bool geometrySaved_ = false;
};

// FormatCode of a new object: text category, two decimals, the decimal separator.
std::int32_t defaultFormatCode();

// FrameWidth as stored: whole widths as the number, fractional ones in thousandths.
std::int32_t encodeFrameWidth(double width);
double decodeFrameWidth(std::int32_t stored);

}  // namespace report
