#include "prepared/PreparedPages.h"

#include <stdexcept>

#include "platform/ClampedInt.h"
#include "platform/Rounding.h"
#include "prepared/PageStreamEntry.h"
#include "printer/Printer.h"
#include "printer/ProgramPrinter.h"
#include "report/TemplateStream.h"

namespace prepared {

namespace {

// Objects are tested against the clip with this much slack on each side, so that frames and
// text running slightly outside their rectangle are not cut off.
constexpr int kClipSlack = 10;

platform::ByteWriter emptyPageStream() {
    platform::ByteWriter out;
    out.u8(kPageStreamVersion);
    return out;
}

// The stream with no spare room: a finished page keeps just its bytes, where a growing buffer
// holds up to twice as much, which over thousands of sheets adds up.
void compact(platform::ByteWriter& stream) {
    platform::ByteWriter exact;
    exact.append(stream.bytes());  // a range appended to an empty buffer allocates just enough
    stream = std::move(exact);
}

// A new template page with the record's paper and margins: the page the objects load into.
std::unique_ptr<report::Page> pageForRecord(const PreparedPage& record) {
    auto page = std::make_unique<report::Page>();
    page->paperSize = record.paperSize;
    page->paperWidth = record.paperWidth;
    page->paperHeight = record.paperHeight;
    page->bin = record.bin;
    page->orientation = record.orientation;
    page->margins = {record.margins.left, record.margins.top, record.margins.right, record.margins.bottom};
    page->useMargins = record.useMargins;
    page->printerGeometry = record.geometry.values();
    return page;
}

// ratio of two page lengths; a geometry without a length (a damaged file, a printer that
// reported nothing) scales everything to nothing rather than dividing by zero.
double ratio(double numerator, int denominator) {
    return denominator > 0 ? numerator / denominator : 0.0;
}

int roundEven(double v) {
    return platform::roundHalfEvenToInt(v);
}

}  // namespace

// Prepared objects always draw as printed: no design marks, no background where none is set.
report::DrawEnvironment PreparedPages::printingEnvironment() const {
    report::DrawEnvironment env;
    env.mode = report::DocumentMode::Printing;
    env.imageCodec = imageCodec;
    return env;
}

PreparedPages::PreparedPages(report::Report* report, printer::Printer* printer)
    : report_(report), printer_(printer) {}

PreparedPages::~PreparedPages() = default;

printer::Printer& PreparedPages::printer() const {
    if (printer_) return *printer_;
    if (!ownPrinter_) ownPrinter_ = std::make_unique<printer::ProgramPrinter>();
    return ownPrinter_->printer();
}

PreparedPage& PreparedPages::page(int index) {
    if (index < 0 || index >= count()) throw std::out_of_range("page index out of range");
    return *pages_[static_cast<std::size_t>(index)];
}

const PreparedPage& PreparedPages::page(int index) const {
    if (index < 0 || index >= count()) throw std::out_of_range("page index out of range");
    return *pages_[static_cast<std::size_t>(index)];
}

void PreparedPages::clear() {
    while (!pages_.empty()) remove(0);
}

void PreparedPages::insert(int index, const report::Page& page) {
    auto record = std::make_unique<PreparedPage>();
    record->paperSize = page.paperSize;
    record->paperWidth = page.paperWidth;
    record->paperHeight = page.paperHeight;
    record->orientation = page.orientation;
    record->bin = page.bin;
    record->useMargins = page.useMargins;
    record->margins = {page.margins[0], page.margins[1], page.margins[2], page.margins[3]};
    record->geometry = printer::PrinterGeometry::fromValues(page.printerGeometry);
    record->objectStream = emptyPageStream();
    if (index < 0) index = 0;
    if (index >= count())
        pages_.push_back(std::move(record));
    else
        pages_.insert(pages_.begin() + index, std::move(record));
}

void PreparedPages::add(const report::Page& page) {
    // Pages are built in order: when the next one begins, the last one is (nearly always) done.
    if (!pages_.empty()) compact(pages_.back()->objectStream);
    insert(count(), page);
    if (onBeginPage) onBeginPage(count() - 1);
}

void PreparedPages::remove(int index) {
    page(index);  // range check
    pages_.erase(pages_.begin() + index);
}

void PreparedPages::takePages(PreparedPages& from) {
    if (&from == this) return;
    pages_.reserve(pages_.size() + from.pages_.size());
    for (int index = 0; index < from.count(); ++index) {
        auto& record = from.pages_[static_cast<std::size_t>(index)];
        if (record->loadedPage) from.storeObjects(index);  // an edited page keeps its edits
        record->loadedPage.reset();
        pages_.push_back(std::move(record));
    }
    from.pages_.clear();
}

void PreparedPages::loadObjects(int index) {
    PreparedPage& record = page(index);
    record.loadedPage.reset();
    auto page = pageForRecord(record);
    if (report_) page->report = report_;
    page->pixelBudget = &pictureBudget_;
    const std::vector<std::uint8_t>& bytes = record.objectStream.bytes();
    platform::ByteReader in(bytes.data(), bytes.size());
    const int version = in.u8();
    while (!in.atEnd()) {
        std::string missing;
        std::unique_ptr<report::View> view = report::readPrintedObject(in, version, &missing);
        // An add-in that is not registered has no reader for its body, so nothing after it
        // can be found again.
        if (!view) throw platform::StreamError(report::missingComponentsMessage({missing}));
        page->addObject(std::move(view));
    }
    record.loadedPage = std::move(page);
}

void PreparedPages::storeObjects(int index) {
    PreparedPage& record = page(index);
    platform::ByteWriter out = emptyPageStream();
    if (record.loadedPage) {
        for (const auto& object : record.loadedPage->objects()) writePageStreamEntry(out, *object);
    }
    record.objectStream = std::move(out);
}

void PreparedPages::draw(int index, platform::Canvas& canvas, const platform::Rect& rect, DrawTarget target) {
    PreparedPage& record = page(index);
    const bool printing = target == DrawTarget::PrinterPage;
    if (!record.loadedPage) loadObjects(index);
    const double sx = ratio(rect.width(), record.geometry.paperWidthPx);
    const double sy = ratio(rect.height(), record.geometry.paperHeightPx);
    const bool testClip = !printing && !canvas.isRecording();
    // Nothing shows outside the sheet: on a surface without a clip of its own, the page is
    // the clip, so that objects stored far beyond it cost no drawing work.
    const bool clipToPage = !canvas.isRecording() && !canvas.currentClip();
    if (clipToPage) canvas.setClipRect(rect);
    auto scaledEdge = [](double v, int origin, int slack) {
        return platform::clampedInt(static_cast<std::int64_t>(roundEven(v)) + origin + slack);
    };
    report::DrawEnvironment environment = printingEnvironment();
    environment.scale = {sx, sy, rect.left, rect.top};
    try {
        for (const auto& object : record.loadedPage->objects()) {
            if (testClip) {
                const report::ViewBox drawn = object->drawnBox();
                const platform::Rect bounds{
                    scaledEdge(drawn.left * sx, rect.left, -kClipSlack),
                    scaledEdge(drawn.top * sy, rect.top, -kClipSlack),
                    scaledEdge((drawn.left + static_cast<double>(drawn.width)) * sx, rect.left, kClipSlack),
                    scaledEdge((drawn.top + static_cast<double>(drawn.height)) * sy, rect.top, kClipSlack)};
                if (!canvas.rectVisible(bounds)) continue;
            }
            object->draw(canvas, environment);
        }
    } catch (...) {
        if (clipToPage) canvas.clearClip();
        throw;
    }
    if (clipToPage) canvas.clearClip();
}

void PreparedPages::drawOnce(int index, platform::Canvas& canvas, const platform::Rect& rect,
                             DrawTarget target) {
    try {
        draw(index, canvas, rect, target);
    } catch (...) {
        release(index);
        throw;
    }
    release(index);
}

bool PreparedPages::hitTest(int index, platform::Point point, int& cursor, bool click) {
    PreparedPage& record = page(index);
    if (!record.loadedPage) loadObjects(index);
    double sx = 1, sy = 1, offx = 0, offy = 0;
    if (!record.useMargins) {
        const printer::PrinterGeometry& g = record.geometry;
        const printer::PageMargins& m = record.margins;
        sx = ratio(static_cast<double>(g.printableWidthPx) - m.left - m.right, g.paperWidthPx);
        sy = ratio(static_cast<double>(g.printableHeightPx) - m.top - m.bottom, g.paperHeightPx);
        offx = static_cast<double>(m.left) + g.offsetXPx;
        offy = static_cast<double>(m.top) + g.offsetYPx;
    }
    const auto& objects = record.loadedPage->objects();
    for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
        report::View& object = **it;
        const report::ViewBox drawn = object.drawnBox();
        const platform::Rect r{roundEven(drawn.left * sx + offx), roundEven(drawn.top * sy + offy),
                               roundEven(offx + sx * (drawn.left + static_cast<double>(drawn.width))),
                               roundEven(offy + sy * (drawn.top + static_cast<double>(drawn.height)))};
        if (!r.contains(point)) continue;
        if (click) {
            if (!onObjectClick) return false;
            onObjectClick(object);
            return true;
        }
        if (!onMouseOverObject) return false;
        onMouseOverObject(object, cursor);
        return true;
    }
    return false;
}

}  // namespace prepared
