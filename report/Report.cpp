#include "report/Report.h"

#include <unordered_set>

#include "report/TemplateStream.h"
#include "report/UniqueNames.h"

namespace report {
namespace {

// first bytes of streams written before the format carried a version byte.
constexpr int kHighestUnversionedByte = 20;

}  // namespace

Report::Report() = default;
Report::~Report() = default;

Page& Report::addPage() {
    auto page = std::make_unique<Page>();
    page->report = this;
    pages_.push_back(std::move(page));
    return *pages_.back();
}

void Report::clear() {
    pages_.clear();
    dictionary.clear();
    twoPass = false;
}

View* Report::findObject(const std::string& objectName) const {
    for (const auto& page : pages_)
        if (View* v = page->findObject(objectName)) return v;
    return nullptr;
}

std::string Report::uniqueObjectName(const std::string& baseName) const {
    std::unordered_set<std::string> used;
    for (const auto& page : pages_)
        for (const auto& o : page->objects()) used.insert(o->name());
    for (int i = 1; i <= kHighestGeneratedNumber; ++i) {
        std::string candidate = baseName + std::to_string(i);
        if (!used.count(candidate)) return candidate;
    }
    return {};
}

std::string Report::uniquePageName() const {
    std::unordered_set<std::string> used;
    for (const auto& page : pages_) used.insert(page->name());
    for (int i = 1; i <= kHighestGeneratedNumber; ++i) {
        std::string candidate = "Page" + std::to_string(i);
        if (!used.count(candidate)) return candidate;
    }
    return {};
}

void Report::reportError(const std::string& message) const {
    if (errors) errors->reportError(message);
}

bool Report::loadFromStream(std::span<const std::uint8_t> stream) {
    if (stream.empty()) return true;
    PrinterLink* link = printerLink();
    if (link) link->waitUntilReady();
    dictionary.clear();

    platform::ByteReader in(stream);
    int version = in.u8();
    if (version <= kHighestUnversionedByte) {
        version = kOldestFormatVersion;
        in.seek(0);
    } else if (version > kCurrentFormatVersion) {
        reportError(kUnsupportedFormatMessage);
        return false;
    }

    try {
        clear();
        const TemplateReadResult result = readTemplateRecords(*this, in, version);
        if (!result.missingClasses.empty()) reportError(missingComponentsMessage(result.missingClasses));
        return true;
    } catch (const std::exception&) {
        // Whatever was read is dropped; the report is left with one empty page.
        clear();
        Page& page = addPage();
        if (link) {
            const PaperSettings paper = link->defaultPaper();
            page.paperSize = paper.paperSize;
            page.paperWidth = paper.paperWidth;
            page.paperHeight = paper.paperHeight;
            page.orientation = paper.orientation;
            page.bin = paper.bin;
            page.printerGeometry = paper.geometry;
        }
        reportError(kUnsupportedFormatMessage);
        return false;
    }
}

std::vector<std::uint8_t> Report::saveToStream() const {
    platform::ByteWriter out;
    out.u8(kCurrentFormatVersion);
    writeTemplateRecords(*this, out);
    return out.take();
}

void Report::readFormProperty(platform::ByteReader& in) {
    in.i32();  // the format version written with the form; not used
    formBuffer_.clear();
    if (!storeInDFM) return;
    const std::int32_t size = in.i32();
    if (size < 0) throw platform::StreamError("Invalid template size");
    auto bytes = in.bytes(static_cast<std::size_t>(size));
    formBuffer_.assign(bytes.begin(), bytes.end());
}

void Report::writeFormProperty(platform::ByteWriter& out) const {
    out.i32(kCurrentFormatVersion);
    if (!storeInDFM) return;
    const std::vector<std::uint8_t> stream = saveToStream();
    out.i32(static_cast<std::int32_t>(stream.size()));
    out.append(stream);
}

void Report::formLoaded() {
    if (formBuffer_.empty()) return;
    std::vector<std::uint8_t> buffer = std::move(formBuffer_);
    formBuffer_.clear();
    loadFromStream(buffer);
}

}  // namespace report
