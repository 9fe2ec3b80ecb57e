// The prepared-report file: its layout byte by byte, round trips, version-0 files, the older
// picture layout, compressed files, and hostile bytes (truncation and random damage).
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>

#include "platform/ByteReader.h"
#include "platform/Picture.h"
#include "platform/PictureCanvas.h"
#include "prepared/PreparedReportIo.h"
#include "report/PictureView.h"
#include "report/StreamText.h"
#include "tests/prepared/PagesTestSupport.h"

namespace {

using prepared::PreparedPages;

struct PreparedFile : ::testing::Test {
    report_test::FakeBarcodeRegistration barcodeClass;
    printer::Printer printer;
    std::unique_ptr<report::Page> tpl = pages_test::templatePage(printer);
    report::Report report;
    PreparedPages pages{&report, &printer};

    std::vector<std::uint8_t> threeSheets() {
        for (int sheet = 0; sheet < 3; ++sheet) pages_test::addLabelSheet(pages, *tpl, sheet, true);
        return pages.saveToBytes();
    }
};

std::int32_t i32At(const std::vector<std::uint8_t>& b, std::size_t at) {
    platform::ByteReader in(b.data(), b.size());
    in.seek(at);
    return in.i32();
}

void setI32At(std::vector<std::uint8_t>& b, std::size_t at, std::int32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i));
}

TEST_F(PreparedFile, LayoutOfTheHeaderAndPageRecords) {
    pages.add(*tpl);
    pages_test::print(pages, 0, *pages_test::memo("A", 1, 2));
    pages.add(*tpl);
    const std::vector<std::uint8_t> b = pages.saveToBytes();

    platform::ByteReader in(b.data(), b.size());
    EXPECT_EQ(in.u8(), 24);
    EXPECT_EQ(in.u8(), 0);
    EXPECT_EQ(report::readString(in, 24), printer.currentPrinterName());
    EXPECT_EQ(in.i32(), 2);
    for (int i = 0; i < 2; ++i) {
        const prepared::PreparedPage& p = pages.page(i);
        const std::size_t start = in.position();
        const std::int32_t end = in.i32();
        EXPECT_EQ(in.u16(), p.paperSize);
        EXPECT_EQ(in.i32(), p.paperWidth);
        EXPECT_EQ(in.i32(), p.paperHeight);
        EXPECT_EQ(in.u8(), 1);
        EXPECT_EQ(in.i32(), p.bin);
        EXPECT_EQ(in.u8(), 0);
        for (int m : {18, 19, 20, 21}) EXPECT_EQ(in.i32(), m);
        EXPECT_EQ(static_cast<std::size_t>(end),
                  start + 4 + 2 + 4 + 4 + 1 + 4 + 1 + 16 + p.objectStream.bytes().size());
        const auto stream = in.bytes(static_cast<std::size_t>(end) - in.position());
        EXPECT_EQ(std::vector<std::uint8_t>(stream.begin(), stream.end()), p.objectStream.bytes());
    }
    EXPECT_TRUE(in.atEnd());
}

TEST_F(PreparedFile, PaperAndMarginsBeyondWhatAPageHoldsRefuseTheFile) {
    pages.add(*tpl);
    const std::vector<std::uint8_t> good = pages.saveToBytes();
    const std::size_t page = 2 + 2 + printer.currentPrinterName().size() + 1 + 4;
    const struct {
        std::size_t at;
        std::int32_t value;
    } cases[] = {{page + 6, -1}, {page + 10, 1'000'001}, {page + 20, -1'000'001}, {page + 32, 1 << 30}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.at - page);
        std::vector<std::uint8_t> bytes = good;
        setI32At(bytes, c.at, c.value);
        PreparedPages target{&report, &printer};
        EXPECT_THROW(target.loadFromStream(bytes), platform::StreamError);
    }
    PreparedPages target{&report, &printer};
    target.loadFromStream(good);
    EXPECT_EQ(target.count(), 1);
}

TEST_F(PreparedFile, SaveLoadSaveIsByteIdentical) {
    const std::vector<std::uint8_t> first = threeSheets();
    PreparedPages loaded{&report, &printer};
    loaded.loadFromStream(first);
    ASSERT_EQ(loaded.count(), 3);
    EXPECT_EQ(loaded.saveToBytes(), first);
    EXPECT_EQ(loaded.page(2).geometry, pages.page(2).geometry);
    EXPECT_EQ(report.printerName, printer.currentPrinterName());

    loaded.loadObjects(1);
    EXPECT_EQ(loaded.page(1).loadedPage->objects().size(), 2u + 6 * 9 * 2);
    EXPECT_EQ(loaded.page(1).loadedPage->objects()[0]->memo, (std::vector<std::string>{"Foglio 2"}));

    // Through a file on disk as the preview's Save and Open do.
    const std::string path = (std::filesystem::temp_directory_path() / "quirelle-pages-test.frp").string();
    prepared::savePrepared(loaded, path);
    PreparedPages fromFile{&report, &printer};
    prepared::loadPrepared(fromFile, path);
    EXPECT_EQ(fromFile.saveToBytes(), first);
    std::filesystem::remove(path);
    EXPECT_THROW(prepared::loadPrepared(fromFile, path), std::runtime_error);
}

TEST_F(PreparedFile, AFileWithoutVersionByteHasNoBinsOrMargins) {
    // Version 0: no version byte, the compression byte first, then the header and pages
    // without bin and margins.
    platform::ByteWriter out;
    out.u8(0);
    out.u8(0);  // version 0: an empty zero-terminated printer name
    out.i32(1);
    const std::size_t endField = out.position();
    out.i32(0);
    out.u16(9);
    out.i32(2100);
    out.i32(2970);
    out.u8(0);
    out.u8(1);
    out.u8(24);
    // The end offset, not the page's own length, bounds the page: the extra byte after the
    // version byte is page data, and nothing follows.
    out.patchI32(endField, static_cast<std::int32_t>(out.position()));
    std::vector<std::uint8_t> bytes = out.take();
    ASSERT_EQ(bytes[0], 0);

    pages.loadFromStream(bytes);
    ASSERT_EQ(pages.count(), 1);
    const prepared::PreparedPage& p = pages.page(0);
    EXPECT_EQ(p.bin, -1);
    EXPECT_TRUE(p.useMargins);
    EXPECT_EQ(p.margins.left + p.margins.top + p.margins.right + p.margins.bottom, 0);
    EXPECT_EQ(p.objectStream.bytes(), std::vector<std::uint8_t>{24});
    EXPECT_GT(p.geometry.paperWidthPx, 0);
}

TEST_F(PreparedFile, TheEndOffsetDecidesWhereTheNextPageBegins) {
    pages.add(*tpl);
    pages.add(*tpl);
    std::vector<std::uint8_t> b = pages.saveToBytes();
    // Move page 1's end one byte back: its last byte (the version byte) becomes unread and the
    // next record starts there, so its end offset is read from the wrong place.
    platform::ByteReader header(b.data(), b.size());
    header.skip(2);
    report::readString(header, 24);
    header.i32();
    const std::size_t firstRecord = header.position();
    setI32At(b, firstRecord, i32At(b, firstRecord) - 1);
    EXPECT_THROW(pages.loadFromStream(b), platform::StreamError);
    EXPECT_EQ(pages.count(), 1);
    EXPECT_TRUE(pages.page(0).objectStream.bytes().empty());
}

TEST_F(PreparedFile, CompressedFilesAreRefused) {
    std::vector<std::uint8_t> b = threeSheets();
    for (std::uint8_t compression : {1, 255}) {
        b[1] = compression;
        try {
            pages.loadFromStream(b);
            FAIL() << "compression byte " << int{compression} << " was accepted";
        } catch (const platform::StreamError& e) {
            EXPECT_STREQ(e.what(), "File di report compresso non supportato");
        }
        EXPECT_EQ(pages.count(), 0);
    }
}

// The older layout: text lines with the printer name, then pages each holding one picture.
std::vector<std::uint8_t> olderLayoutFile(const std::vector<std::uint8_t>& pictureBytes, int pageCount) {
    platform::ByteWriter out;
    for (char c : std::string("Stampante di prova\r\nseconda riga\r\n")) out.u8(static_cast<std::uint8_t>(c));
    out.u8(0);
    out.i32(pageCount);
    for (int i = 0; i < pageCount; ++i) {
        const std::size_t endField = out.position();
        out.i32(0);
        out.u16(9);
        out.i32(2100);
        out.i32(2970);
        out.u8(1);
        out.u8(1);
        out.append(pictureBytes);
        out.patchI32(endField, static_cast<std::int32_t>(out.position()));
    }
    return out.take();
}

TEST_F(PreparedFile, OlderLayoutPagesBecomeOnePictureEach) {
    platform::PictureCanvas recorder({1000, 700});
    recorder.setBrush({platform::kBlack, false});
    recorder.fillRect({10, 10, 20, 200});
    const std::vector<std::uint8_t> picture = recorder.picture().serialize();

    pages.loadFromStream(olderLayoutFile(picture, 2));
    ASSERT_EQ(pages.count(), 2);
    // A printer this machine lacks is not taken: the report keeps the printer it had.
    EXPECT_EQ(report.printerName, "");
    const prepared::PreparedPage& p = pages.page(1);
    EXPECT_EQ(p.bin, -1);
    EXPECT_EQ(p.orientation, 1);
    pages.loadObjects(1);
    ASSERT_EQ(p.loadedPage->objects().size(), 1u);
    auto* view = dynamic_cast<report::PictureView*>(p.loadedPage->objects()[0].get());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ((std::array{view->left, view->top, view->width, view->height}),
              (std::array{0, 0, p.geometry.paperWidthPx, p.geometry.paperHeightPx}));
    EXPECT_EQ(view->picture.kind, report::GraphicKind::Metafile);
    EXPECT_EQ(view->picture.bytes, picture);

    // Saved again it is a current-layout file that round trips exactly.
    const std::vector<std::uint8_t> saved = pages.saveToBytes();
    EXPECT_EQ(saved[0], 24);
    PreparedPages again{&report, &printer};
    again.loadFromStream(saved);
    EXPECT_EQ(again.saveToBytes(), saved);

    // A page whose picture is not in our recorded format is refused in Italian.
    try {
        pages.loadFromStream(olderLayoutFile({1, 0, 0, 0, 'E', 'M', 'F'}, 1));
        FAIL();
    } catch (const platform::StreamError& e) {
        EXPECT_NE(std::string(e.what()).find("formato non supportato"), std::string::npos) << e.what();
    }
}

TEST_F(PreparedFile, HostilePageCountsReadNothingPastTheEnd) {
    for (std::int32_t count : {0, -1, -2147483647 - 1, 2147483647}) {
        platform::ByteWriter out;
        out.u8(24);
        out.u8(0);
        report::writeString(out, "");
        out.i32(count);
        std::vector<std::uint8_t> b = out.take();
        if (count > 0) {
            EXPECT_THROW(pages.loadFromStream(b), platform::StreamError);
        } else {
            pages.loadFromStream(b);
        }
        EXPECT_EQ(pages.count(), 0);
    }
}

// Loads damaged bytes, then rebuilds, hit-tests and (with `draw`) draws every page that came
// through: any failure must be a clear error, never a crash (the ASan build checks "never").
void loadAndShowAll(PreparedPages& pages, const std::vector<std::uint8_t>& bytes, bool draw) {
    try {
        pages.loadFromStream(bytes);
    } catch (const platform::StreamError&) {}
    for (int i = 0; i < pages.count(); ++i) {
        try {
            pages.loadObjects(i);
            int cursor = 0;
            pages.hitTest(i, {50, 50}, cursor, true);
            if (!draw) continue;
            platform::PictureCanvas canvas({200, 200});
            pages.draw(i, canvas, {0, 0, 200, 140});
        } catch (const platform::StreamError&) {}
    }
}

TEST_F(PreparedFile, EveryTruncationEndsInAnErrorOrAPartialReport) {
    pages_test::addLabelSheet(pages, *tpl, 0, true);
    pages_test::addLabelSheet(pages, *tpl, 1, false);
    const std::vector<std::uint8_t> full = pages.saveToBytes();
    PreparedPages target{&report, &printer};
    for (std::size_t cut = 0; cut < full.size(); ++cut) {
        const std::vector<std::uint8_t> part(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut));
        EXPECT_THROW(target.loadFromStream(part), platform::StreamError) << "cut at " << cut;
        EXPECT_LE(target.count(), 1) << "cut at " << cut;
    }
}

// Random bit flips (fixed seeds), then bytes set to extremes in the header and first record,
// where counts and offsets live.
std::vector<std::vector<std::uint8_t>> damagedCopies(const std::vector<std::uint8_t>& full) {
    std::vector<std::vector<std::uint8_t>> copies;
    for (unsigned seed = 1; seed <= 150; ++seed) {
        std::mt19937 rng(seed);
        std::vector<std::uint8_t> damaged = full;
        const int flips = 1 + static_cast<int>(rng() % 8);
        for (int i = 0; i < flips; ++i)
            damaged[rng() % damaged.size()] ^= static_cast<std::uint8_t>(1u << (rng() % 8));
        copies.push_back(std::move(damaged));
    }
    for (std::size_t at = 0; at < 80; ++at) {
        for (std::uint8_t value : {0x00, 0x7F, 0x80, 0xFF}) {
            std::vector<std::uint8_t> damaged = full;
            damaged[at] = value;
            copies.push_back(std::move(damaged));
        }
    }
    return copies;
}

struct DamagedFile : PreparedFile {
    std::vector<std::vector<std::uint8_t>> copies;
    void SetUp() override {
        pages_test::addLabelSheet(pages, *tpl, 0, true);
        pages_test::addLabelSheet(pages, *tpl, 1, false);
        copies = damagedCopies(pages.saveToBytes());
    }
};

TEST_F(DamagedFile, LoadingAndRebuildingPagesNeverCrashes) {
    PreparedPages target{&report, &printer};
    for (std::size_t i = 0; i < copies.size(); ++i) {
        SCOPED_TRACE("copy " + std::to_string(i));
        loadAndShowAll(target, copies[i], false);
    }
}

TEST_F(DamagedFile, DrawingDamagedPagesNeverCrashes) {
    PreparedPages target{&report, &printer};
    for (std::size_t i = 0; i < copies.size(); ++i) {
        SCOPED_TRACE("copy " + std::to_string(i));
        loadAndShowAll(target, copies[i], true);
    }
}

}  // namespace
