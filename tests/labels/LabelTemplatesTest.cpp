// The four built-in label templates: their stored bytes, what loading them gives, round trips,
// and damaged copies of them.
#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

#include "barcode_object/BarcodeObject.h"
#include "barcode_object/BarcodeRegistration.h"
#include "labels/LabelTemplate.h"
#include "report/BandView.h"
#include "report/ErrorReporter.h"
#include "report/LineView.h"
#include "report/MemoView.h"
#include "report/ObjectRegistry.h"
#include "report/Report.h"
#include "report/StreamText.h"
#include "report/TemplateStream.h"

using namespace report;
using namespace labels;

namespace {

struct Loaded {
    CollectingErrorReporter errors;
    Report report;
    bool ok = false;
    explicit Loaded(std::span<const std::uint8_t> bytes) {
        barcode_object::registerBarCodeObject();
        report.errors = &errors;
        ok = report.loadFromStream(bytes);
    }
};

// Placement of one object as stored, in stream order.
struct Placed {
    const char* name;
    int left, top, width, height;
};

const std::vector<Placed> kExpected[] = {
    {{"DatiMaster1", 0, 28, 1071, 78}, {"Bar1", 28, 36, 129, 54}},
    {{"DatiMaster1", 0, 104, 1071, 82},
     {"Intestaz.Pagina1", 0, 32, 1071, 36},
     {"Bar1", 19, 112, 129, 62},
     {"Memo1", 344, 36, 368, 26},
     {"Line1", 16, 184, 132, 0}},
    {{"DatiMaster1", 0, 168, 1071, 90},
     {"Intestaz.Pagina1", 0, 32, 1071, 80},
     {"Bar1", 76, 180, 129, 62},
     {"Memo1", 344, 36, 368, 26},
     {"Memo2", 292, 116, 244, 30},
     {"Line2", 20, 168, 4, 0},
     {"Memo6", 292, 152, 244, 586},
     {"Memo3", 812, 116, 244, 30},
     {"Memo4", 812, 152, 244, 562}},
    {{"DatiMaster1", 0, 28, 1071, 78}, {"Bar1", 28, 44, 129, 54}},
};

// Reads the stream record by record, as its layout defines it, checking that every object's
// body ends exactly at the EndPosition stored in its record header.
void expectRecordsEndAtTheirEndPositions(const std::vector<std::uint8_t>& bytes) {
    barcode_object::registerBarCodeObject();
    platform::ByteReader in(bytes);
    ASSERT_EQ(in.u8(), 24);
    EXPECT_EQ(in.u16(), 0);  // UseDefaultPrinter
    EXPECT_EQ(in.u16(), 0);  // TwoPass
    EXPECT_EQ(readString(in, 24), "PCL6 V4 Driver for Universal Print");
    int pages = 0, objects = 0;
    bool dictionary = false;
    while (!in.atEnd()) {
        const std::uint8_t tag = in.u8();
        if (tag == kPageTag) {
            Page page;
            page.loadFromStream(in, 24);
            ++pages;
        } else if (tag == kDictionaryTag) {
            DataDictionary dict;
            dict.loadFromStream(in, 24);
            EXPECT_TRUE(dict.isEmpty());
            dictionary = true;
        } else {
            const std::string cls = tag == kAddInObject ? readString(in, 24) : "";
            EXPECT_EQ(in.u8(), 0);  // page index
            const auto end = static_cast<std::size_t>(in.i32());
            auto view = tag == kAddInObject ? createAddIn(cls) : createBuiltInObject(tag);
            ASSERT_NE(view, nullptr) << int(tag);
            view->loadFromStream(in, 24);
            EXPECT_EQ(in.position(), end) << view->name();
            ++objects;
        }
    }
    EXPECT_EQ(pages, 1);
    EXPECT_GT(objects, 0);
    EXPECT_TRUE(dictionary);
}

}  // namespace

TEST(LabelTemplates, StreamsHaveTheirStoredLengthsAndAreReadToTheLastByte) {
    const std::size_t lengths[] = {397, 737, 1265, 397};
    for (int n = 1; n <= kLabelTemplateCount; ++n) {
        SCOPED_TRACE(n);
        const auto& bytes = labelTemplateStream(n);
        EXPECT_EQ(bytes.size(), lengths[n - 1]);
        expectRecordsEndAtTheirEndPositions(bytes);
    }
    EXPECT_THROW(labelTemplateStream(0), std::out_of_range);
    EXPECT_THROW(labelTemplateStream(5), std::out_of_range);
}

TEST(LabelTemplates, LoadingGivesThePageAndTheObjectsInStreamOrder) {
    const int columns[] = {6, 8, 2, 4};
    for (int n = 1; n <= kLabelTemplateCount; ++n) {
        SCOPED_TRACE(n);
        CollectingErrorReporter errors;
        Report r;
        r.errors = &errors;
        ASSERT_TRUE(loadLabelTemplate(r, n));
        EXPECT_TRUE(errors.messages.empty());
        EXPECT_EQ(r.printerName, "PCL6 V4 Driver for Universal Print");
        EXPECT_FALSE(r.twoPass);
        ASSERT_EQ(r.pageCount(), 1);
        const Page& page = r.page(0);
        EXPECT_EQ(std::tie(page.paperSize, page.paperWidth, page.paperHeight, page.orientation, page.bin),
                  std::make_tuple(9, 2970, 2100, 1, 0xFFFF));
        EXPECT_EQ(page.margins, (std::array<int, 4>{0, 0, 0, 0}));
        EXPECT_TRUE(page.useMargins);
        EXPECT_FALSE(page.printToPrevPage);
        EXPECT_EQ(page.pageColumns, columns[n - 1]);
        EXPECT_EQ(page.pageColumnGap, 7);
        EXPECT_EQ(page.name(), "");
        EXPECT_TRUE(r.dictionary.isEmpty());
        const auto& want = kExpected[n - 1];
        ASSERT_EQ(page.objects().size(), want.size());
        for (std::size_t i = 0; i < want.size(); ++i) {
            const View& v = *page.objects()[i];
            EXPECT_EQ(v.name(), want[i].name);
            EXPECT_EQ(std::tie(v.left, v.top, v.width, v.height),
                      std::tie(want[i].left, want[i].top, want[i].width, want[i].height))
                << v.name();
            EXPECT_EQ(v.formatCode, 556);
            EXPECT_EQ(v.layoutMajor, 2);
            EXPECT_TRUE(v.visible);
            EXPECT_EQ(std::tie(v.gapX, v.gapY), std::make_tuple(2, 1));
            EXPECT_EQ(v.frameColor, 0u);
            EXPECT_TRUE(v.script.empty());
        }
    }
}

TEST(LabelTemplates, BandsBarcodeTextsAndRulesCarryTheirSettings) {
    Loaded oxygen(labelTemplateStream(3));
    ASSERT_TRUE(oxygen.ok);
    auto& data = dynamic_cast<BandView&>(*oxygen.report.findObject("DatiMaster1"));
    EXPECT_EQ(data.bandType(), kBandMasterData);
    EXPECT_EQ(data.flags, 0x30);
    EXPECT_EQ(data.dataSource(), "frDBDataSet1");
    EXPECT_EQ(std::tie(data.columns, data.columnWidth, data.columnGap, data.newColumnAfter),
              std::make_tuple(1, 200, 20, 1));
    EXPECT_EQ(data.fillColor, platform::kNoColor);
    auto& header = dynamic_cast<BandView&>(*oxygen.report.findObject("Intestaz.Pagina1"));
    EXPECT_EQ(header.bandType(), kBandPageHeader);
    EXPECT_EQ(header.dataSource(), "");

    auto& bar = dynamic_cast<barcode_object::BarcodeObject&>(*oxygen.report.findObject("Bar1"));
    EXPECT_EQ(bar.memo, std::vector<std::string>{"[kb1.\"giorno\"]"});
    EXPECT_EQ(std::tie(bar.flags, bar.frameTyp, bar.fillColor),
              std::make_tuple(std::uint16_t{1}, std::uint16_t{0}, platform::kNoColor));
    EXPECT_FALSE(bar.settings.withCheckSum);
    EXPECT_TRUE(bar.settings.showText);
    EXPECT_EQ(bar.settings.barType, barcode::bcCode39);
    EXPECT_EQ(bar.settings.modul, 1);
    EXPECT_EQ(bar.settings.ratio, 2.0);
    EXPECT_EQ(bar.settings.angle, 0.0);

    struct Text {
        const char* name;
        const char* text;
        int points, style, frameTyp;
        double frameWidth;
    };
    for (const Text& t :
         {Text{"Memo1", "STAMPA CODICI OSSIGENO", 14, platform::kBold, 0, 1},
          Text{"Memo2", " 200bar lt", 14, 0, kFrameRight, 3}, Text{"Memo6", "7 ", 72, 0, kFrameRight, 3},
          Text{"Memo3", " 200bar  lt", 14, 0, 0, 1}, Text{"Memo4", "14", 72, 0, 0, 1}}) {
        auto& memo = dynamic_cast<MemoView&>(*oxygen.report.findObject(t.name));
        SCOPED_TRACE(t.name);
        EXPECT_EQ(memo.memo, std::vector<std::string>{t.text});
        EXPECT_EQ(memo.font, (MemoFont{"Arial", t.points, t.style, 0, 1}));
        EXPECT_EQ(memo.alignment, kAlignCenter);
        EXPECT_EQ(memo.flags, kFlagStretched | kMemoWordWrap);
        EXPECT_EQ(memo.frameTyp, t.frameTyp);
        EXPECT_EQ(memo.frameWidth, t.frameWidth);
        EXPECT_EQ(memo.fillColor, platform::kNoColor);
        EXPECT_EQ(std::tie(memo.lineSpacing, memo.charSpacing), std::make_tuple(2, 0));
        EXPECT_EQ(memo.highlight.condition, "");
    }
    auto& tick = dynamic_cast<LineView&>(*oxygen.report.findObject("Line2"));
    EXPECT_EQ(tick.frameTyp, kFrameTop);

    Loaded exemptions(labelTemplateStream(2));
    ASSERT_TRUE(exemptions.ok);
    auto& rule = dynamic_cast<LineView&>(*exemptions.report.findObject("Line1"));
    EXPECT_EQ(std::tie(rule.frameTyp, rule.flags, rule.fillColor),
              std::make_tuple(std::uint16_t{kFrameTop}, std::uint16_t{1}, platform::kWhite));
    EXPECT_EQ(exemptions.report.findObject("Memo1")->memo,
              std::vector<std::string>{"STAMPA CODICI ESENZIONI"});
}

TEST(LabelTemplates, SaveLoadSaveIsByteIdentical) {
    for (int n = 1; n <= kLabelTemplateCount; ++n) {
        Loaded loaded(labelTemplateStream(n));
        ASSERT_TRUE(loaded.ok);
        EXPECT_EQ(loaded.report.saveToStream(), labelTemplateStream(n)) << n;
    }
}

// Damaged copies: every load either succeeds or reports the one format message, never a crash,
// a hang or a runaway allocation (the sanitizer build checks the memory side).
TEST(LabelTemplates, EveryTruncationFailsCleanly) {
    for (int n = 1; n <= kLabelTemplateCount; ++n) {
        const auto& bytes = labelTemplateStream(n);
        for (std::size_t cut = 1; cut < bytes.size(); ++cut) {
            Loaded loaded(std::span(bytes.data(), cut));
            for (const auto& m : loaded.errors.messages)
                EXPECT_EQ(m, kUnsupportedFormatMessage) << n << " cut at " << cut;
        }
    }
}

TEST(LabelTemplates, RandomByteFlipsFailCleanly) {
    for (int n = 1; n <= kLabelTemplateCount; ++n) {
        for (unsigned seed = 1; seed <= 250; ++seed) {
            std::mt19937 rng(seed * 7 + static_cast<unsigned>(n));
            auto damaged = labelTemplateStream(n);
            const int flips = 1 + static_cast<int>(rng() % 8);
            for (int i = 0; i < flips; ++i)
                damaged[rng() % damaged.size()] = static_cast<std::uint8_t>(rng());
            Loaded loaded(damaged);
            for (const auto& m : loaded.errors.messages) {
                const bool expected = m == kUnsupportedFormatMessage ||
                                      m.starts_with("Report contains the following non-plugged components:");
                EXPECT_TRUE(expected) << "template " << n << " seed " << seed << ": " << m;
            }
        }
    }
}
