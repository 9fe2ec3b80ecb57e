#include "report/Page.h"

#include <algorithm>

#include "report/Report.h"
#include "report/StoredRange.h"
#include "report/StreamText.h"

namespace report {
namespace {

constexpr std::int32_t kNewLayoutMarker = -1;
constexpr std::uint16_t kStoredTrue = 0xFFFF;
constexpr int kCustomPaper = 256;
constexpr int kDefaultBin = 0xFFFF;

// Border styles of dialog windows were renumbered: the old 0 and 1 are today's 3 and 2.
int normalizedBorderStyle(int stored) {
    if (stored == 0) return 3;
    if (stored == 1) return 2;
    return stored;
}

}  // namespace

Page::Page() = default;

View* Page::addObject(std::unique_ptr<View> view) {
    view->page = this;
    objects_.push_back(std::move(view));
    return objects_.back().get();
}

void Page::removeObject(const View* view) {
    std::erase_if(objects_, [view](const auto& o) { return o.get() == view; });
}

View* Page::findObject(const std::string& objectName) const {
    for (const auto& o : objects_)
        if (o->name() == objectName) return o.get();
    return nullptr;
}

PaperSettings Page::paper() const {
    PaperSettings p;
    p.paperSize = paperSize;
    p.paperWidth = paperWidth;
    p.paperHeight = paperHeight;
    p.orientation = orientation;
    p.bin = bin;
    p.geometry = printerGeometry;
    return p;
}

void Page::fitPaper(PrinterLink* printer) {
    if (!printer) return;
    std::optional<PaperSettings> chosen = printer->applyPaper(paper());
    if (!chosen) {
        PaperSettings retry = paper();
        retry.paperSize = kCustomPaper;
        retry.bin = kDefaultBin;
        chosen = printer->applyPaper(retry);
    }
    if (!chosen) return;
    paperSize = chosen->paperSize;
    paperWidth = chosen->paperWidth;
    paperHeight = chosen->paperHeight;
    orientation = chosen->orientation;
    bin = chosen->bin;
    printerGeometry = chosen->geometry;
}

void Page::loadFromStream(platform::ByteReader& in, int version) {
    const std::int32_t marker = in.i32();
    const bool newLayout = marker == kNewLayoutMarker;
    paperSize = newLayout ? in.i32() : marker;
    paperWidth = checkedSize(in.i32());
    paperHeight = checkedSize(in.i32());
    for (int& m : margins) m = checkedPosition(in.i32());
    orientation = in.u8();
    if (version < 23) in.skip(6);
    bin = version >= 24 ? in.i32() : kDefaultBin;
    printToPrevPage = in.u16() != 0;
    useMargins = in.u16() != 0;
    pageColumns = checkedPosition(in.i32());
    pageColumnGap = checkedPosition(in.i32());
    if (version >= 24) {
        pageKind = in.u8();
        setName(readString(in, version));
        borderStyle = normalizedBorderStyle(in.u8());
        caption = readString(in, version);
        color = in.i32();
        windowLeft = in.i32();
        windowTop = in.i32();
        windowWidth = in.i32();
        windowHeight = in.i32();
        position = in.u8() == 0 ? 0 : 4;
        if (newLayout) script = readStringList(in, version);
    }
}

void Page::saveToStream(platform::ByteWriter& out) const {
    out.i32(kNewLayoutMarker);
    out.i32(paperSize);
    out.i32(paperWidth);
    out.i32(paperHeight);
    for (int m : margins) out.i32(m);
    out.u8(static_cast<std::uint8_t>(orientation));
    out.i32(bin);
    out.u16(printToPrevPage ? kStoredTrue : 0);
    out.u16(useMargins ? kStoredTrue : 0);
    out.i32(pageColumns);
    out.i32(pageColumnGap);
    out.u8(static_cast<std::uint8_t>(pageKind));
    writeString(out, name());
    out.u8(static_cast<std::uint8_t>(borderStyle));
    writeString(out, caption);
    out.i32(color);
    out.i32(windowLeft);
    out.i32(windowTop);
    out.i32(windowWidth);
    out.i32(windowHeight);
    out.u8(static_cast<std::uint8_t>(position));
    writeStringList(out, script);
}

bool Page::setProperty(const std::string& propertyName, const PropertyValue& value) {
    const std::string n = upper(propertyName);
    if (n == "VISIBLE")
        visible = propertyAsBool(value);
    else if (n == "COLUMNS")
        pageColumns = static_cast<int>(propertyAsInt(value));
    else if (n == "CAPTION")
        caption = propertyAsText(value);
    else
        return Object::setProperty(propertyName, value);
    return true;
}

PropertyValue Page::property(const std::string& propertyName) const {
    const std::string n = upper(propertyName);
    if (n == "VISIBLE") return visible;
    if (n == "COLUMNS") return static_cast<long long>(pageColumns);
    if (n == "CAPTION") return caption;
    return Object::property(propertyName);
}

std::vector<std::string> Page::propertyNames() const {
    auto names = Object::propertyNames();
    names.insert(names.end(), {"Visible", "Columns", "Caption"});
    return names;
}

}  // namespace report
