#include "prepared/PreparedPages.h"

#include <stdexcept>

#include "prepared/PageStreamEntry.h"
#include "printer/ProgramPrinter.h"
#include "printer/Printer.h"
#include "report/DocumentMode.h"
#include "report/MemoView.h"
#include "report/Rounding.h"
#include "report/TemplateStream.h"

namespace preview {

namespace {

// Objects are tested against the clip with this much slack on each side, so that frames and
// text running slightly outside their rectangle are not cut off.
constexpr int kClipSlack = 10;

report::ByteWriter emptyPageStream() {
    report::ByteWriter out;
    out.u8(kPageStreamVersion);
    return out;
}

// A new template page with the record's paper and margins: the page the objects load into.
std::unique_ptr<report::TfrPage> pageForRecord(const PreparedPage& record) {
    auto page = std::make_unique<report::TfrPage>();
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

// Ratio of two page lengths; a geometry without a length (a damaged file, a printer that
// reported nothing) scales everything to nothing rather than dividing by zero.
double ratio(double numerator, int denominator) {
    return denominator > 0 ? numerator / denominator : 0.0;
}

int roundEven(double v) { return report::roundHalfEven(v); }

}  // namespace

TfrEMFPages::TfrEMFPages(report::TfrReport* report, TfrPrinter* printer)
    : report_(report), printer_(printer) {}

TfrEMFPages::~TfrEMFPages() = default;

TfrPrinter& TfrEMFPages::printer() const { return printer_ ? *printer_ : programPrinter(); }

PreparedPage& TfrEMFPages::Page(int index) {
    if (index < 0 || index >= Count()) throw std::out_of_range("page index out of range");
    return *pages_[static_cast<std::size_t>(index)];
}

const PreparedPage& TfrEMFPages::Page(int index) const {
    if (index < 0 || index >= Count()) throw std::out_of_range("page index out of range");
    return *pages_[static_cast<std::size_t>(index)];
}

void TfrEMFPages::Clear() {
    while (!pages_.empty()) Delete(0);
}

void TfrEMFPages::Insert(int index, const report::TfrPage& page) {
    auto record = std::make_unique<PreparedPage>();
    record->paperSize = page.paperSize;
    record->paperWidth = page.paperWidth;
    record->paperHeight = page.paperHeight;
    record->orientation = page.orientation;
    record->bin = page.bin;
    record->useMargins = page.useMargins;
    record->margins = {page.margins[0], page.margins[1], page.margins[2], page.margins[3]};
    record->geometry = PrinterGeometry::fromValues(page.printerGeometry);
    record->objectStream = emptyPageStream();
    if (index < 0) index = 0;
    if (index >= Count())
        pages_.push_back(std::move(record));
    else
        pages_.insert(pages_.begin() + index, std::move(record));
}

void TfrEMFPages::Add(const report::TfrPage& page) {
    Insert(Count(), page);
    if (onBeginPage) onBeginPage(Count() - 1);
}

void TfrEMFPages::Delete(int index) {
    Page(index);  // range check
    pages_.erase(pages_.begin() + index);
}

void TfrEMFPages::LoadObjects(int index) {
    PreparedPage& record = Page(index);
    record.loadedPage.reset();
    auto page = pageForRecord(record);
    if (report_) page->report = report_;
    const std::vector<std::uint8_t>& bytes = record.objectStream.bytes();
    report::ByteReader in(bytes.data(), bytes.size());
    const int version = in.u8();
    while (!in.atEnd()) {
        std::string missing;
        std::unique_ptr<report::TfrView> view = report::readPrintedObject(in, version, &missing);
        // An add-in that is not registered has no reader for its body, so nothing after it
        // can be found again.
        if (!view) throw report::StreamError(report::missingComponentsMessage({missing}));
        report::TfrView* added = page->addObject(std::move(view));
        auto* memo = dynamic_cast<report::TfrMemoView*>(added);
        if (memo && (memo->flags & report::kMemoAutoWidth) && measureCanvas) memo->draw(*measureCanvas);
    }
    record.loadedPage = std::move(page);
}

void TfrEMFPages::StoreObjects(int index) {
    PreparedPage& record = Page(index);
    report::ByteWriter out = emptyPageStream();
    if (record.loadedPage) {
        for (const auto& object : record.loadedPage->objects()) writePageStreamEntry(out, *object);
    }
    record.objectStream = std::move(out);
}

void TfrEMFPages::Draw(int index, platform::Canvas& canvas, const platform::Rect& rect) {
    PreparedPage& record = Page(index);
    const TfrPrinter& out = printer();
    const bool printing = out.Printing() && out.Canvas() == &canvas;
    report::setDocumentMode(report::DocumentMode::Printing);
    if (!record.inView) {
        record.loadedPage.reset();
        return;
    }
    if (!record.loadedPage) LoadObjects(index);
    const double sx = ratio(rect.width(), record.geometry.paperWidthPx);
    const double sy = ratio(rect.height(), record.geometry.paperHeightPx);
    const bool testClip = !printing && !canvas.isRecording();
    for (const auto& object : record.loadedPage->objects()) {
        if (testClip) {
            const platform::Rect bounds{
                roundEven(object->left * sx) + rect.left - kClipSlack,
                roundEven(object->top * sy) + rect.top - kClipSlack,
                roundEven((object->left + static_cast<double>(object->width)) * sx) + rect.left + kClipSlack,
                roundEven((object->top + static_cast<double>(object->height)) * sy) + rect.top + kClipSlack};
            if (!canvas.rectVisible(bounds)) continue;
        }
        object->scaleX = sx;
        object->scaleY = sy;
        object->offsetX = rect.left;
        object->offsetY = rect.top;
        object->draw(canvas);
    }
}

bool TfrEMFPages::HitTest(int index, platform::Point point, int& cursor, bool click) {
    PreparedPage& record = Page(index);
    if (!record.loadedPage) LoadObjects(index);
    double sx = 1, sy = 1, offx = 0, offy = 0;
    if (!record.useMargins) {
        const PrinterGeometry& g = record.geometry;
        const PageMargins& m = record.margins;
        sx = ratio(static_cast<double>(g.printableWidthPx) - m.left - m.right, g.paperWidthPx);
        sy = ratio(static_cast<double>(g.printableHeightPx) - m.top - m.bottom, g.paperHeightPx);
        offx = static_cast<double>(m.left) + g.offsetXPx;
        offy = static_cast<double>(m.top) + g.offsetYPx;
    }
    const auto& objects = record.loadedPage->objects();
    for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
        report::TfrView& object = **it;
        const platform::Rect r{roundEven(object.left * sx + offx), roundEven(object.top * sy + offy),
                               roundEven(offx + sx * (object.left + static_cast<double>(object.width))),
                               roundEven(offy + sy * (object.top + static_cast<double>(object.height)))};
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

}  // namespace preview
