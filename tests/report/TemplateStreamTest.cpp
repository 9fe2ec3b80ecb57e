// Template stream: layout of the label templates, round trips, refusals and damaged input.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "report/PictureView.h"
#include "report/StreamText.h"
#include "report/SubReportView.h"
#include "report/TemplateStream.h"
#include "tests/report/ReportTestSupport.h"

using namespace report;
using report_test::FakeBarcodeRegistration;
using report_test::FakeBarcodeView;

namespace {

std::vector<std::uint8_t> saved(const Report& r) {
    return r.saveToStream();
}

// A report with every kind of object on two pages, and a dictionary.
void buildMixedReport(Report& r) {
    report_test::buildOxygenTemplate(r);
    Page& page = r.page(0);
    page.script = {"begin", "end"};
    auto& memo = static_cast<MemoView&>(*page.findObject("Memo1"));
    memo.highlight.condition = "[kb1.\"giorno\"] = ''";
    memo.lineSpacing = 5;
    memo.charSpacing = 1;
    memo.flags |= kMemoUnderlines | kMemoWordBreak;
    memo.tag = "[PAGE#]";
    memo.bandAlign = BandAlign::Center;
    memo.frameWidth = 0.5;
    memo.frameStyle = kFrameDouble;
    memo.memo = {"Perché", "città"};
    auto picture = std::make_unique<PictureView>();
    picture->setName("Picture1");
    picture->left = 10;
    picture->top = 300;
    picture->width = 40;
    picture->height = 20;
    picture->picture = {GraphicKind::Bitmap, {'B', 'M', 1, 2, 3, 4, 5}};
    picture->blobType = BlobType::Jpg;
    page.addObject(std::move(picture));
    Page& second = r.addPage();
    second.setName("Page2");
    auto sub = std::make_unique<SubReportView>();
    sub->setName("SubReport1");
    sub->subPage = 0;
    second.addObject(std::move(sub));
    r.dictionary.variables = {{" Categoria", ""}, {"Totale", "[kb1.\"giorno\"]"}};
    r.dictionary.fieldAliases = {{"Codici", "kb1"}};
}

void expectSameView(const View& a, const View& b) {
    EXPECT_EQ(a.name(), b.name());
    EXPECT_EQ(a.objectType(), b.objectType());
    EXPECT_EQ(a.className(), b.className());
    EXPECT_EQ(std::tie(a.left, a.top, a.width, a.height, a.flags, a.frameTyp, a.frameColor, a.frameStyle,
                       a.fillColor),
              std::tie(b.left, b.top, b.width, b.height, b.flags, b.frameTyp, b.frameColor, b.frameStyle,
                       b.fillColor));
    EXPECT_DOUBLE_EQ(a.frameWidth, b.frameWidth);
    EXPECT_EQ(
        std::tie(a.formatCode, a.formatText, a.memo, a.script, a.visible, a.tag, a.gapX, a.gapY, a.bandAlign),
        std::tie(b.formatCode, b.formatText, b.memo, b.script, b.visible, b.tag, b.gapX, b.gapY,
                 b.bandAlign));
}

using Loaded = report_test::LoadedReport;

}  // namespace

TEST(TemplateStream, LabelTemplatesHaveTheirStoredLengths) {
    FakeBarcodeRegistration reg;
    Report series, oxygen;
    report_test::buildSeriesTemplate(series);
    report_test::buildOxygenTemplate(oxygen);
    EXPECT_EQ(saved(series).size(), 397u);
    EXPECT_EQ(saved(oxygen).size(), 1265u);
}

TEST(TemplateStream, EachObjectRecordEndsAtItsEndPositionAndTheStreamEndsWithAnEmptyDictionary) {
    FakeBarcodeRegistration reg;
    Report r;
    report_test::buildSeriesTemplate(r);
    const auto bytes = saved(r);
    // The barcode is the last object: its 24-byte tail ends at its EndPosition, right before
    // the dictionary tag, -2 and three zero counts.
    const std::vector<std::uint8_t> tail = {0,    1, 0,    3, 1, 0, 0, 0, 0, 0, 0, 0,   0,
                                            0,    0, 0x40, 0, 0, 0, 0, 0, 0, 0, 0, 254, 0xFE,
                                            0xFF, 0, 0,    0, 0, 0, 0, 0, 0, 0, 0, 0,   0};
    ASSERT_GE(bytes.size(), tail.size());
    EXPECT_TRUE(std::equal(tail.begin(), tail.end(), bytes.end() - static_cast<long>(tail.size())));
    Loaded loaded(bytes);
    ASSERT_TRUE(loaded.ok);
    EXPECT_TRUE(loaded.errors.messages.empty());
}

TEST(TemplateStream, MixedReportLoadsBackToTheSameObjectsAndResavesByteIdentically) {
    FakeBarcodeRegistration reg;
    Report original;
    buildMixedReport(original);
    const auto bytes = saved(original);
    Loaded loaded(bytes);
    ASSERT_TRUE(loaded.ok) << (loaded.errors.messages.empty() ? "" : loaded.errors.messages[0]);
    EXPECT_TRUE(loaded.errors.messages.empty());
    ASSERT_EQ(loaded.report.pageCount(), 2);
    EXPECT_EQ(loaded.report.printerName, original.printerName);
    EXPECT_EQ(loaded.report.dictionary, original.dictionary);
    EXPECT_EQ(loaded.report.page(0).script, original.page(0).script);
    EXPECT_EQ(loaded.report.page(1).name(), "Page2");
    for (int p = 0; p < 2; ++p) {
        const auto& want = original.page(p).objects();
        const auto& got = loaded.report.page(p).objects();
        ASSERT_EQ(got.size(), want.size());
        for (std::size_t i = 0; i < want.size(); ++i) expectSameView(*want[i], *got[i]);
    }
    auto& memo = static_cast<MemoView&>(*loaded.report.findObject("Memo1"));
    EXPECT_EQ(memo.font, static_cast<MemoView&>(*original.findObject("Memo1")).font);
    EXPECT_EQ(memo.highlight.condition, "[kb1.\"giorno\"] = ''");
    EXPECT_EQ(memo.memo, (std::vector<std::string>{"Perché", "città"}));
    auto& bar = dynamic_cast<FakeBarcodeView&>(*loaded.report.findObject("Bar1"));
    EXPECT_FALSE(bar.withCheckSum);
    EXPECT_EQ(bar.optionSetTo, -1);
    auto& picture = dynamic_cast<PictureView&>(*loaded.report.findObject("Picture1"));
    EXPECT_EQ(picture.picture.kind, GraphicKind::Bitmap);
    EXPECT_EQ(picture.blobType, BlobType::Jpg);
    EXPECT_EQ(dynamic_cast<SubReportView&>(*loaded.report.findObject("SubReport1")).subPage, 0);

    EXPECT_EQ(loaded.report.saveToStream(), bytes);
}

TEST(TemplateStream, VersionAboveTwentyFourIsRefusedAndThePagesStay) {
    FakeBarcodeRegistration reg;
    Report source;
    report_test::buildSeriesTemplate(source);
    auto bytes = saved(source);
    bytes[0] = 25;
    CollectingErrorReporter errors;
    Report r;
    r.errors = &errors;
    r.addPage().setName("Kept");
    r.dictionary.variables = {{"A", "1"}};
    EXPECT_FALSE(r.loadFromStream(bytes));
    EXPECT_EQ(errors.messages, std::vector<std::string>{"Formato FRF non supportato"});
    ASSERT_EQ(r.pageCount(), 1);
    EXPECT_EQ(r.page(0).name(), "Kept");
    EXPECT_TRUE(r.dictionary.isEmpty());
}

namespace {

constexpr std::size_t kEmptyDictionarySize = 15;  // 254, -2, three zero counts

// Inserts a record, built for the absolute position it will start at, before the empty
// dictionary that ends `bytes`.
std::vector<std::uint8_t> insertBeforeDictionary(
    std::vector<std::uint8_t> bytes, const std::function<void(platform::ByteWriter&, std::size_t)>& build) {
    const std::size_t at = bytes.size() - kEmptyDictionarySize;
    platform::ByteWriter record;
    build(record, at);
    bytes.insert(bytes.begin() + static_cast<long>(at), record.bytes().begin(), record.bytes().end());
    return bytes;
}

// A version-24 record of the given type with five filler bytes, ending at its EndPosition.
std::vector<std::uint8_t> withFillerRecord(std::vector<std::uint8_t> bytes, std::uint8_t type) {
    return insertBeforeDictionary(std::move(bytes), [type](platform::ByteWriter& w, std::size_t at) {
        w.u8(type);
        w.u8(0);
        w.i32(static_cast<std::int32_t>(at + 6 + 5));
        for (int i = 0; i < 5; ++i) w.u8(0xEE);
    });
}

}  // namespace

TEST(TemplateStream, RecordOfTypeSevenIsSkippedByItsEndPosition) {
    FakeBarcodeRegistration reg;
    Report source;
    report_test::buildSeriesTemplate(source);
    Loaded loaded(withFillerRecord(saved(source), 7));
    ASSERT_TRUE(loaded.ok);
    EXPECT_TRUE(loaded.errors.messages.empty());
    EXPECT_EQ(loaded.report.page(0).objects().size(), 2u);
}

TEST(TemplateStream, UnknownRecordTagFailsTheLoadAndLeavesOneEmptyPage) {
    FakeBarcodeRegistration reg;
    Report source;
    report_test::buildSeriesTemplate(source);
    Loaded loaded(withFillerRecord(saved(source), 11));
    EXPECT_FALSE(loaded.ok);
    EXPECT_EQ(loaded.errors.messages, std::vector<std::string>{"Formato FRF non supportato"});
    ASSERT_EQ(loaded.report.pageCount(), 1);
    EXPECT_TRUE(loaded.report.page(0).objects().empty());
}

TEST(TemplateStream, UnknownAddInsAreReportedOnceByNameAndSkipped) {
    Report source;
    {
        FakeBarcodeRegistration reg;
        report_test::buildOxygenTemplate(source);
        auto second = std::make_unique<FakeBarcodeView>();
        second->setName("Bar2");
        source.page(0).addObject(std::move(second));
    }
    const auto bytes = saved(source);
    Loaded loaded(bytes);  // the add-in is not registered now
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(
        loaded.errors.messages,
        std::vector<std::string>{"Report contains the following non-plugged components:\rTfrBarCodeView\r"
                                 "You must include these components into your project."});
    EXPECT_EQ(loaded.report.page(0).objects().size(), source.page(0).objects().size() - 2);
    EXPECT_NE(loaded.report.findObject("Memo4"), nullptr);
}

TEST(TemplateStream, FramedMemoClassIsReadAsAPlainMemoDroppingItsEightBytes) {
    Report source;
    source.addPage();
    MemoView memo;
    memo.setName("Framed");
    memo.memo = {"x"};
    auto bytes = insertBeforeDictionary(saved(source), [&memo](platform::ByteWriter& w, std::size_t) {
        w.u8(kAddInObject);
        writeString(w, "TfrFramedMemoView");
        w.u8(0);
        w.i32(0);  // no end position: the reader must drop the 8 bytes itself to stay in step
        memo.saveToStream(w);
        for (int i = 0; i < 8; ++i) w.u8(0x55);
    });
    Loaded loaded(bytes);
    ASSERT_TRUE(loaded.ok);
    ASSERT_EQ(loaded.report.page(0).objects().size(), 1u);
    EXPECT_EQ(loaded.report.page(0).objects()[0]->objectType(), kMemoObject);
    EXPECT_EQ(loaded.report.page(0).objects()[0]->memo, std::vector<std::string>{"x"});
    EXPECT_EQ(loaded.report.page(0).objects()[0]->name(), "Framed");
}

TEST(TemplateStream, ClassNameTranslations) {
    EXPECT_EQ(translateAddInClass("TfrBDELookupControl").name, "TfrDBLookupControl");
    EXPECT_EQ(translateAddInClass("tfribxlookupcontrol").name, "TfrDBLookupControl");
    EXPECT_TRUE(translateAddInClass("TFRFRAMEDMEMOVIEW").plainMemo);
    EXPECT_EQ(translateAddInClass("TFRFRAMEDMEMOVIEW").trailingBytes, 8);
    EXPECT_EQ(translateAddInClass("TfrBarCodeView").name, "TfrBarCodeView");
}

TEST(TemplateStream, OldStreamWithoutVersionByteIsReadAsVersion21) {
    // Header without version byte, zero-terminated strings, a PageRecord of the older layout
    // (no marker, six skipped bytes, no bin) and one memo with no name.
    platform::ByteWriter out;
    out.u16(0);
    out.u16(0);
    out.u8(0);  // empty printer name
    out.u8(kPageTag);
    out.i32(9);  // paperSize itself: older layout
    out.i32(2100);
    out.i32(2970);
    for (int i = 0; i < 4; ++i) out.i32(0);
    out.u8(0);
    for (int i = 0; i < 6; ++i) out.u8(0);
    out.u16(0);
    out.u16(0xFFFF);
    out.i32(1);
    out.i32(0);
    out.u8(kMemoObject);
    out.u8(0);  // page index
    for (int v : {10, 20, 30, 40}) out.i32(v);
    out.u16(1);
    out.u16(0);
    out.i32(1);
    out.i32(0);
    out.u16(0);
    out.i32(0x1FFFFFFF);
    out.i32(556);
    out.u8(0);  // FormatText
    for (char c : std::string("Ciao\rmondo\r")) out.u8(static_cast<std::uint8_t>(c));
    out.u8(0);
    for (char c : std::string("Arial")) out.u8(static_cast<std::uint8_t>(c));
    out.u8(0);
    out.i32(10);
    out.u16(2);  // bold
    out.i32(0);
    out.i32(2);
    out.u16(204);  // charset: ignored before version 23
    out.u16(0);
    out.i32(0);
    out.i32(0xFFFFFF);
    out.u8(0);  // highlight condition
    Loaded loaded(out.bytes());
    ASSERT_TRUE(loaded.ok);
    ASSERT_EQ(loaded.report.pageCount(), 1);
    EXPECT_EQ(loaded.report.page(0).name(), "Page1");
    EXPECT_EQ(loaded.report.page(0).bin, 0xFFFF);
    ASSERT_EQ(loaded.report.page(0).objects().size(), 1u);
    auto& memo = static_cast<MemoView&>(*loaded.report.page(0).objects()[0]);
    EXPECT_EQ(memo.name(), "Memo1");
    EXPECT_EQ(memo.memo, (std::vector<std::string>{"Ciao", "mondo"}));
    EXPECT_EQ(memo.font.style, platform::kBold);
    EXPECT_EQ(memo.font.charset, 1);
    EXPECT_TRUE(memo.hasFlag(kMemoWordWrap));
}

TEST(TemplateStream, PageNormalisesBorderStyleAndPosition) {
    Report source;
    Page& page = source.addPage();
    page.borderStyle = 0;
    page.position = 7;
    Loaded loaded(saved(source));
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.report.page(0).borderStyle, 3);
    EXPECT_EQ(loaded.report.page(0).position, 4);
}

TEST(TemplateStream, FormWrapperCarriesTheStreamOnlyWhenStoredInTheForm) {
    FakeBarcodeRegistration reg;
    Report source;
    report_test::buildSeriesTemplate(source);
    platform::ByteWriter form;
    source.writeFormProperty(form);
    ASSERT_EQ(form.bytes().size(), 8u + 397u);
    Report target;
    platform::ByteReader in(form.bytes());
    target.readFormProperty(in);
    EXPECT_TRUE(target.hasFormBuffer());
    target.formLoaded();
    EXPECT_FALSE(target.hasFormBuffer());
    EXPECT_EQ(target.saveToStream(), source.saveToStream());

    source.storeInDFM = false;
    platform::ByteWriter bare;
    source.writeFormProperty(bare);
    EXPECT_EQ(bare.bytes(), (std::vector<std::uint8_t>{24, 0, 0, 0}));
}

TEST(TemplateStream, EmptyStreamLeavesTheReportAlone) {
    Report r;
    r.addPage().setName("Kept");
    EXPECT_TRUE(r.loadFromStream({}));
    EXPECT_EQ(r.page(0).name(), "Kept");
}

// Damaged input: every load ends either in success or with the one format message, never
// with a crash, hang or runaway allocation (the sanitizer build checks the memory side).
TEST(TemplateStream, TruncationAtEveryOffsetFailsCleanly) {
    FakeBarcodeRegistration reg;
    Report source;
    buildMixedReport(source);
    const auto bytes = saved(source);
    for (std::size_t n = 1; n < bytes.size(); ++n) {
        Loaded loaded(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + static_cast<long>(n)));
        for (const auto& m : loaded.errors.messages)
            EXPECT_EQ(m, kUnsupportedFormatMessage) << "cut at " << n;
    }
}

TEST(TemplateStream, RandomByteFlipsFailCleanly) {
    FakeBarcodeRegistration reg;
    Report source;
    buildMixedReport(source);
    const auto bytes = saved(source);
    for (unsigned seed = 1; seed <= 300; ++seed) {
        std::mt19937 rng(seed);
        auto damaged = bytes;
        const int flips = 1 + static_cast<int>(rng() % 8);
        for (int i = 0; i < flips; ++i) damaged[rng() % damaged.size()] = static_cast<std::uint8_t>(rng());
        Loaded loaded(damaged);
        for (const auto& m : loaded.errors.messages) {
            const bool expected = m == kUnsupportedFormatMessage ||
                                  m.starts_with("Report contains the following non-plugged components:");
            EXPECT_TRUE(expected) << "seed " << seed << ": " << m;
        }
    }
}

TEST(TemplateStream, EndPositionPointingBackwardsIsRefusedInsteadOfLooping) {
    FakeBarcodeRegistration reg;
    Report source;
    report_test::buildSeriesTemplate(source);
    auto bytes = saved(source);
    // The band record's EndPosition field follows its tag and page index.
    Loaded probe(bytes);
    ASSERT_TRUE(probe.ok);
    const std::size_t bandRecord = [&] {
        for (std::size_t i = 0; i + 6 < bytes.size(); ++i)
            if (bytes[i] == kBandObject && bytes[i + 1] == 0 && bytes[i + 6] == 11)
                return i;  // "DatiMaster1"
        return std::size_t{0};
    }();
    ASSERT_GT(bandRecord, 0u);
    bytes[bandRecord + 2] = 1;
    bytes[bandRecord + 3] = bytes[bandRecord + 4] = bytes[bandRecord + 5] = 0;
    Loaded loaded(bytes);
    EXPECT_FALSE(loaded.ok);
    EXPECT_EQ(loaded.errors.messages, std::vector<std::string>{"Formato FRF non supportato"});
}
