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

enum class BandAlign : std::uint8_t { None = 0, Left, Right, Center, Width, Bottom, Top, Rest };

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

// A view's geometry in page pixels: as stored, or as placed for one drawing or one print.
struct ViewBox {
    int left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const ViewBox&, const ViewBox&) = default;
};

// From page pixels to the drawing surface: x * x-scale + x-offset, likewise for y.
struct DrawScale {
    double x = 1.0, y = 1.0;
    int offsetX = 0, offsetY = 0;
};

// Where and how an object draws, given by the caller: the page area for BandAlign, whether
// this is the first pass of a two-pass run (which draws no background or frame), whether it
// draws as designed or as printed, the decoder for bitmap and icon pictures, and the scale
// and offset onto the surface.
struct DrawEnvironment {
    int areaLeft = 0;
    int areaRight = 0;
    bool firstPassOfTwo = false;
    DocumentMode mode = DocumentMode::Designing;
    ImageCodec* imageCodec = nullptr;  // none: bitmaps and icons are not drawn
    DrawScale scale = {};
};

// One drawing of a view, prepared from its placed box at a scale: the scaled position, size
// and edges, the frame and text gaps, and the rectangle inside the frame.
struct DrawGeometry {
    ViewBox box;  // page pixels, as placed for this drawing
    DrawScale scale = {};
    std::uint16_t frameEdges = 0;
    int x = 0, y = 0, width = 0, height = 0;
    int right = 0, bottom = 0;  // the box's right and bottom edges, scaled
    double frameWidth = 1.0;
    int gapX = 0, gapY = 0;
    platform::Rect rect;  // inside the frame
};

// Where an object prints itself into a prepared page.
struct PrintContext {
    platform::ByteWriter& out;
    ExpressionHost* expressions = nullptr;      // none: lines are written as they stand
    platform::Canvas* measureCanvas = nullptr;  // off-screen canvas for measuring text
    DrawEnvironment environment;
};

// The two variants of an object's stream record: the template's, and the printing record of a
// prepared page (no format, script or visibility; the evaluated lines).
enum class RecordKind { Template, Printing };

// The parts of a record that printing decides: where the engine placed the object, its fill,
// its evaluated lines and tag. An object writes its own for the template.
struct RecordFields {
    ViewBox box;
    platform::Color fillColor;
    const std::vector<std::string>& lines;
    const std::string& tag;
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
    Page* page = nullptr;
    BandRuntime* band = nullptr;

    ViewBox box() const { return {left, top, width, height}; }

    // --- properties by name
    bool setProperty(const std::string& propertyName, const PropertyValue& value) override;
    PropertyValue property(const std::string& propertyName) const override;
    bool callMethod(const std::string& methodName) override;
    std::vector<std::string> propertyNames() const override;

    // --- stream
    // The template record.
    void loadFromStream(platform::ByteReader& in, int version) {
        readRecord(in, version, RecordKind::Template);
    }
    void saveToStream(platform::ByteWriter& out) const {
        writeRecord(out, RecordKind::Template, ownFields());
    }
    // Either record; classes add their own tail after the common body.
    virtual void readRecord(platform::ByteReader& in, int version, RecordKind kind);
    virtual void writeRecord(platform::ByteWriter& out, RecordKind kind, const RecordFields& fields) const;
    // A prepared page's entry: ObjectType, the class name of an add-in, the printing record.
    void writePrintedRecord(platform::ByteWriter& out, const RecordFields& fields) const;
    // The record fields as the object holds them.
    RecordFields ownFields() const { return {box(), fillColor, memo, tag}; }
    // Called on every object once the whole template has been read.
    virtual void afterLoad() {}
    // Option hook; the reader calls it with -1 for add-in objects it creates.
    virtual void setIntOption(int) {}

    // --- drawing: nothing here changes the view
    // The box the view covers when drawn (a barcode takes its symbol's length).
    virtual ViewBox drawnBox() const { return box(); }
    // The box placed by BandAlign within the page area (and the run-time band when there is one).
    ViewBox alignedBox(const ViewBox& box, const DrawEnvironment& env) const;
    // The drawing geometry of a box at a scale, with the view's frame edges.
    DrawGeometry prepareDraw(const ViewBox& box, const DrawScale& scale) const;
    void drawBackground(platform::Canvas& canvas, const DrawEnvironment& env, const DrawGeometry& at) const;
    void drawFrame(platform::Canvas& canvas, const DrawEnvironment& env, const DrawGeometry& at) const;
    // Draws the object at the environment's scale. The base draws background and frame.
    virtual void draw(platform::Canvas& canvas, const DrawEnvironment& env = {}) const;

    // --- printing into a prepared page
    // Evaluates the object and writes its printing record; false when nothing was written.
    virtual bool print(PrintContext& context);

protected:
    explicit View(std::uint8_t type);
    // LayoutMinor as written: bands write 1, other objects what they hold.
    virtual std::uint8_t writtenLayoutMinor() const { return layoutMinor; }
    // ObjectType and, for add-ins, the class name: what precedes a printing record.
    void writeRecordHeader(platform::ByteWriter& out) const;
    // The drawing geometry with other frame edges than the stored ones (a line's).
    DrawGeometry prepareDraw(const ViewBox& box, const DrawScale& scale, std::uint16_t frameEdges) const;
    // The tag with its expressions evaluated.
    std::string printedTag(PrintContext& context);
    // The box as printed: BandAlign to the band's top or bottom, or a cross-tab band's width.
    ViewBox printedBox(const ViewBox& box, const DrawEnvironment& env) const;
    // The bounds that neighbouring objects occupy, for BandAlign left/right/rest.
    int nearestLeftEdge(const ViewBox& box, int areaLeft) const;
    int nearestRightEdge(const ViewBox& box, int areaRight) const;

private:
    void readBody(platform::ByteReader& in, int version, RecordKind kind);
    void writeBody(platform::ByteWriter& out, RecordKind kind, const RecordFields& fields) const;

    std::uint8_t objectType_;
    int serial_;
};

// FormatCode of a new object: text category, two decimals, the decimal separator.
std::int32_t defaultFormatCode();

// FrameWidth as stored: whole widths as the number, fractional ones in thousandths.
std::int32_t encodeFrameWidth(double width);
double decodeFrameWidth(std::int32_t stored);

}  // namespace report
