// The prepared-report file: a header (version, compression flag, printer name, page count)
// and one record per page, each starting with the absolute offset where it ends. Files that
// start without a version byte are read as version 0; a compression byte other than 0, 1 or
// 255 marks the older layout, whose pages are each one recorded picture.
#include <string>
#include <string_view>
#include <vector>

#include "platform/Cp1252.h"
#include "platform/Picture.h"
#include "platform/StreamError.h"
#include "prepared/PageStreamEntry.h"
#include "prepared/PreparedPages.h"
#include "printer/Printer.h"
#include "report/PictureView.h"
#include "report/StoredRange.h"
#include "report/StreamText.h"

namespace prepared {

namespace {

constexpr std::uint8_t kFileVersion = 24;
constexpr int kFirstVersionByte = 24;
constexpr int kLastVersionByte = 31;
// Versions after 23 store the bin and the margins of each page.
constexpr int kFirstVersionWithBinAndMargins = 24;
constexpr std::uint8_t kOlderLayoutLine = 13;

inline constexpr const char* kUnreadablePictureMessage =
    "File di report in un formato non supportato: pagina non leggibile";

bool isCurrentLayout(std::uint8_t compression) {
    return compression == 0 || compression == 1 || compression == 255;
}

[[noreturn]] void damaged() {
    throw platform::StreamError("File di report danneggiato");
}

// The absolute end of a page record; it must lie inside the file and not before `from`.
std::size_t readEndOffset(platform::ByteReader& in) {
    const std::int32_t end = in.i32();
    if (end < 0 || static_cast<std::size_t>(end) > in.size()) damaged();
    return static_cast<std::size_t>(end);
}

std::span<const std::uint8_t> bytesUpTo(platform::ByteReader& in, std::size_t end) {
    if (end < in.position()) damaged();
    return in.bytes(end - in.position());
}

// The older layout opens with a block of text lines ended by a 0 byte; the first line names
// the printer.
std::vector<std::string> readTextBlock(platform::ByteReader& in) {
    std::vector<std::string> lines;
    std::string line;
    for (std::uint8_t b = in.u8(); b != 0; b = in.u8()) {
        if (b == kOlderLayoutLine) {
            lines.push_back(platform::cp1252ToUtf8(line));
            line.clear();
        } else if (!(b == '\n' && line.empty())) {
            line.push_back(static_cast<char>(b));
        }
    }
    if (!line.empty()) lines.push_back(platform::cp1252ToUtf8(line));
    return lines;
}

}  // namespace

void PreparedPages::saveToStream(platform::ByteWriter& out) const {
    out.u8(kFileVersion);
    out.u8(0);  // pages are stored uncompressed
    report::writeString(out, printer().currentPrinterName());
    out.i32(count());
    for (const auto& page : pages_) {
        const std::size_t endField = out.position();
        out.i32(static_cast<std::int32_t>(endField));
        out.u16(static_cast<std::uint16_t>(page->paperSize));
        out.i32(page->paperWidth);
        out.i32(page->paperHeight);
        out.u8(static_cast<std::uint8_t>(page->orientation));
        out.i32(page->bin);
        out.u8(page->useMargins ? 1 : 0);
        out.i32(page->margins.left);
        out.i32(page->margins.top);
        out.i32(page->margins.right);
        out.i32(page->margins.bottom);
        out.append(page->objectStream.bytes());
        out.patchI32(endField, static_cast<std::int32_t>(out.position()));
    }
}

std::vector<std::uint8_t> PreparedPages::saveToBytes() const {
    platform::ByteWriter out;
    saveToStream(out);
    return out.take();
}

namespace {

struct FileReader {
    PreparedPages& store;
    platform::ByteReader in;
    int version = 0;

    // The stored printer is taken only when it is one of this machine's printers: a file
    // written by the command line names the virtual printer, and a file from another machine
    // may name a printer missing here; either keeps the printer the operator has.
    void selectPrinter(const std::string& name) {
        printer::Printer& printer = store.printer();
        if (!isPlatformPrinter(printer, name)) return;
        printer.selectPrinterByName(name);
        if (store.report()) store.report()->printerName = name;
    }

    static bool isPlatformPrinter(const printer::Printer& printer, const std::string& name) {
        if (!printer.hasPlatformPrinters()) return false;
        const std::vector<std::string>& names = printer.printerNames();
        const auto platformCount = static_cast<std::size_t>(printer.defaultPrinterIndex());
        for (std::size_t i = 0; i < platformCount && i < names.size(); ++i)
            if (names[i] == name) return true;
        return false;
    }

    // Puts the page's paper on the printer and keeps the geometry it gives.
    void applyPaper(PreparedPage& page) {
        printer::Printer& printer = store.printer();
        printer.setPaper(page.paperSize, page.paperWidth, page.paperHeight, page.bin, page.orientation,
                         false);
        printer.fillGeometry(page.geometry);
    }

    void readPaper(PreparedPage& page) {
        page.paperSize = in.u16();
        page.paperWidth = report::checkedSize(in.i32());
        page.paperHeight = report::checkedSize(in.i32());
        page.orientation = in.u8();
        page.bin = printer::kDefaultBin;
    }

    std::unique_ptr<PreparedPage> readCurrentPage() {
        const std::size_t end = readEndOffset(in);
        auto page = std::make_unique<PreparedPage>();
        readPaper(*page);
        if (version >= kFirstVersionWithBinAndMargins) page->bin = in.i32();
        page->useMargins = in.u8() != 0;
        if (version >= kFirstVersionWithBinAndMargins) {
            page->margins.left = report::checkedPosition(in.i32());
            page->margins.top = report::checkedPosition(in.i32());
            page->margins.right = report::checkedPosition(in.i32());
            page->margins.bottom = report::checkedPosition(in.i32());
        }
        page->objectStream.append(bytesUpTo(in, end));
        applyPaper(*page);
        return page;
    }

    std::unique_ptr<PreparedPage> readOlderPage() {
        const std::size_t end = readEndOffset(in);
        auto page = std::make_unique<PreparedPage>();
        readPaper(*page);
        page->useMargins = in.u8() != 0;
        applyPaper(*page);
        const std::span<const std::uint8_t> stored = bytesUpTo(in, end);
        platform::Picture check;
        std::string error;
        if (!platform::Picture::deserialize(stored.data(), stored.size(), check, error))
            throw platform::StreamError(kUnreadablePictureMessage);
        report::PictureView view;
        view.left = 0;
        view.top = 0;
        view.width = page->geometry.paperWidthPx;
        view.height = page->geometry.paperHeightPx;
        view.picture = {report::GraphicKind::Metafile,
                        std::vector<std::uint8_t>(stored.begin(), stored.end())};
        page->objectStream.u8(kPageStreamVersion);
        writePageStreamEntry(page->objectStream, view);
        return page;
    }

    template <typename ReadPage>
    void readPages(ReadPage readPage, std::vector<std::unique_ptr<PreparedPage>>& pages) {
        // The count is not trusted for anything but the loop: a short file ends in an error
        // after the pages it does hold.
        const std::int32_t count = in.i32();
        for (std::int32_t i = 0; i < count; ++i) pages.push_back((this->*readPage)());
    }
};

}  // namespace

void PreparedPages::loadFromStream(std::span<const std::uint8_t> bytes) {
    clear();
    FileReader reader{*this, platform::ByteReader(bytes), 0};
    platform::ByteReader& in = reader.in;
    reader.version = in.u8();
    if (reader.version < kFirstVersionByte || reader.version > kLastVersionByte) {
        reader.version = 0;
        in.seek(0);
    }
    const std::uint8_t compression = in.u8();
    if (isCurrentLayout(compression)) {
        if (compression != 0) throw platform::StreamError(kCompressedFileMessage);
        reader.selectPrinter(report::readString(in, reader.version));
        reader.readPages(&FileReader::readCurrentPage, pages_);
    } else {
        in.seek(0);
        const std::vector<std::string> lines = readTextBlock(in);
        if (!lines.empty()) reader.selectPrinter(lines.front());
        reader.readPages(&FileReader::readOlderPage, pages_);
    }
}

}  // namespace prepared
