// Hostile numbers in templates: stored sizes beyond a page refused where they are read, and
// drawing, picture decoding, dictionary variables and object naming whose work stays bounded
// whatever the stored values.
#include <gtest/gtest.h>

#include "expression/ExpressionError.h"
#include "platform/FixedMetricsCanvas.h"
#include "report/ExpressionReportHost.h"
#include "report/PictureView.h"
#include "report/StoredRange.h"
#include "tests/report/ReportTestSupport.h"

using namespace report;
using namespace expression;

namespace {

using Loaded = report_test::LoadedReport;

std::size_t countOf(const platform::FixedMetricsCanvas& canvas, platform::PictureRecordKind kind) {
    return canvas.recordsOf(kind).size();
}

}  // namespace

TEST(HostileSizes, StoredValuesBeyondWhatAPageHoldsRefuseTheTemplate) {
    const struct {
        const char* what;
        std::function<void(Report&)> change;
        bool loads;
    } cases[] = {
        {"at the limit", [](Report& r) { r.page(0).objects()[0]->left = kStoredExtentLimit; }, true},
        {"left", [](Report& r) { r.page(0).objects()[0]->left = -kStoredExtentLimit - 1; }, false},
        {"top", [](Report& r) { r.page(0).objects()[0]->top = 2'000'000'000; }, false},
        {"negative width", [](Report& r) { r.page(0).objects()[0]->width = -1; }, false},
        {"height", [](Report& r) { r.page(0).objects()[0]->height = kStoredExtentLimit + 1; }, false},
        {"gap", [](Report& r) { r.page(0).objects()[0]->gapX = -2'000'000; }, false},
        {"frame width", [](Report& r) { r.page(0).objects()[0]->frameWidth = 3e6; }, false},
        {"line spacing",
         [](Report& r) { static_cast<MemoView&>(*r.page(0).objects()[0]).lineSpacing = 1 << 30; }, false},
        {"font size",
         [](Report& r) { static_cast<MemoView&>(*r.page(0).objects()[0]).font.size = -(1 << 30); }, false},
        {"paper width", [](Report& r) { r.page(0).paperWidth = -5; }, false},
        {"page margin", [](Report& r) { r.page(0).margins[2] = 1 << 30; }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Report source;
        Page& page = source.addPage();
        report_test::addMemo(page, "Memo1", {10, 10, 100, 20}, "testo", 10, 0);
        c.change(source);
        // Each object record carries its end position, where a damaged record is otherwise
        // skipped: a hostile number must refuse the whole file all the same.
        Loaded loaded(source.saveToStream());
        EXPECT_EQ(loaded.ok, c.loads);
        if (!c.loads) {
            EXPECT_EQ(loaded.errors.messages, std::vector<std::string>{"Formato FRF non supportato"});
        }
    }
}

TEST(HostileSizes, UnderlinesAreDrawnOnlyWhereTheyMeetTheClip) {
    DrawEnvironment printing;
    printing.mode = DocumentMode::Printing;
    Report r;
    MemoView& memo = report_test::addMemo(r.addPage(), "Memo1", {0, 0, 100, 300}, "", 10, 0);
    memo.flags |= kMemoUnderlines;
    platform::FixedMetricsCanvas whole;
    memo.draw(whole, printing);
    const std::size_t linesOnTheMemo = countOf(whole, platform::PictureRecordKind::Line);
    ASSERT_GT(linesOnTheMemo, 5u);

    // The same lines with a clip around the memo; none below a clip that cuts it.
    platform::FixedMetricsCanvas clipped;
    clipped.setClipRect({0, 0, 1000, 1000});
    memo.draw(clipped, printing);
    EXPECT_EQ(countOf(clipped, platform::PictureRecordKind::Line), linesOnTheMemo);

    memo.height = kStoredExtentLimit;
    memo.top = -kStoredExtentLimit / 2;
    platform::FixedMetricsCanvas tall;
    tall.setClipRect({0, 100, 1000, 400});
    memo.draw(tall, printing);
    const auto lines = tall.recordsOf(platform::PictureRecordKind::Line);
    EXPECT_GT(lines.size(), 5u);
    EXPECT_LE(lines.size(), linesOnTheMemo + 4);
    const int step = 15;  // 10 points of font and 2 of spacing
    for (const auto& line : lines) {
        EXPECT_GE(line.points[0].y, 100 - step);
        EXPECT_LE(line.points[0].y, 400 + step);
    }
}

TEST(HostileSizes, StretchedPicturesArePaintedByVisiblePixelBands) {
    // A 2 x 2 picture into 4 x 4: one rectangle per source pixel, in its colour.
    RasterImage checker{2, 2, {platform::kBlack, platform::kWhite, platform::kWhite, platform::kBlack}};
    platform::FixedMetricsCanvas canvas;
    paintRaster(canvas, checker, {0, 0, 4, 4});
    const auto rects = canvas.recordsOf(platform::PictureRecordKind::FillRect);
    ASSERT_EQ(rects.size(), 4u);
    EXPECT_EQ(rects[0].rect, (platform::Rect{0, 0, 2, 2}));
    EXPECT_EQ(rects[0].state.brush.color, platform::kBlack);
    EXPECT_EQ(rects[3].rect, (platform::Rect{2, 2, 4, 4}));
    EXPECT_EQ(rects[3].state.brush.color, platform::kBlack);

    // Stretched a million times taller under a small clip: only the rows that show, each
    // source row once.
    RasterImage stripes{3, 3, {}};
    for (int i = 0; i < 9; ++i) stripes.pixels.push_back(i % 2 ? platform::kWhite : platform::kBlack);
    platform::FixedMetricsCanvas tall;
    tall.setClipRect({0, 0, 300, 300});
    paintRaster(tall, stripes, {0, 0, 300, 3'000'000});
    const auto bands = tall.recordsOf(platform::PictureRecordKind::FillRect);
    ASSERT_EQ(bands.size(), 3u);  // the first source row, three runs
    for (const auto& band : bands) EXPECT_EQ(band.rect.bottom, 300);
}

namespace {

// Bitmaps of one pixel, counting the decodes asked for.
class CountingCodec : public ImageCodec {
public:
    std::optional<RasterImage> decode(GraphicKind, const std::vector<std::uint8_t>&,
                                      std::int64_t maxPixels) override {
        ++decodes;
        if (maxPixels < 1) return std::nullopt;
        return RasterImage{1, 1, {platform::kBlack}};
    }
    std::optional<std::vector<std::uint8_t>> encode(GraphicKind, const RasterImage&) override { return {}; }
    int decodes = 0;
};

}  // namespace

TEST(HostileSizes, PicturesAreDecodedOncePerPageWithinTheFileBudget) {
    CountingCodec codec;
    DrawEnvironment env;
    env.mode = DocumentMode::Printing;
    env.imageCodec = &codec;
    PixelBudget budget(1);
    {
        Report r;
        Page& page = r.addPage();
        page.pixelBudget = &budget;
        for (int i = 0; i < 2; ++i) {
            auto view = std::make_unique<PictureView>();
            view->width = view->height = 20;
            view->picture = {GraphicKind::Bitmap, {1, 2, 3, static_cast<std::uint8_t>(i)}};
            page.addObject(std::move(view));
        }
        platform::FixedMetricsCanvas canvas;
        for (int pass = 0; pass < 3; ++pass)
            for (const auto& object : page.objects()) object->draw(canvas, env);
        // One decode each; the second no longer fits in what the first left of the budget.
        EXPECT_EQ(codec.decodes, 2);
        EXPECT_EQ(budget.remaining(), 0);
        EXPECT_EQ(canvas.recordsOf(platform::PictureRecordKind::FillRect).size(), 3u);
    }
    EXPECT_EQ(budget.remaining(), 1);  // given back with the page
}

TEST(HostileSizes, ChainedDictionaryVariablesAreEvaluatedOnceEach) {
    Report r;
    r.dictionary.variables.emplace_back("V0", "1");
    for (int i = 1; i <= 25; ++i)
        r.dictionary.variables.emplace_back("V" + std::to_string(i),
                                            "V" + std::to_string(i - 1) + "+V" + std::to_string(i - 1));
    r.dictionary.variables.emplace_back("LOOP", "LOOP+1");
    ReportExpressions expressions(r);
    // 2^25 evaluations without the memo; 26 with it.
    EXPECT_EQ(expressions.evaluator().expandLine("[V25]"), "33554432");
    EXPECT_EQ(expressions.evaluator().expandLine("[V3]/[V2]"), "8/4");
    try {
        expressions.evaluator().calculate("LOOP");
        ADD_FAILURE() << "a variable made of itself has no value";
    } catch (const ExpressionError& e) {
        EXPECT_EQ(e.what(), expression::messages::undefinedSymbol("LOOP"));
    }
}

TEST(HostileSizes, UnnamedObjectsGetTheLowestFreeNumbersUpToTheLast) {
    Report source;
    Page& page = source.addPage();
    report_test::addMemo(page, "", {0, 0, 10, 10}, "", 10, 0);
    report_test::addMemo(page, "Memo2", {0, 0, 10, 10}, "", 10, 0);
    report_test::addMemo(page, "", {0, 0, 10, 10}, "", 10, 0);
    page.addObject(std::make_unique<PictureView>());
    Loaded small(source.saveToStream());
    ASSERT_TRUE(small.ok);
    std::vector<std::string> names;
    for (const auto& o : small.report.page(0).objects()) names.push_back(o->name());
    EXPECT_EQ(names, (std::vector<std::string>{"Memo1", "Memo2", "Memo3", "Picture1"}));

    // Numbers stop at ten thousand; reading many unnamed objects takes linear time.
    for (int i = 0; i < 11'000; ++i) report_test::addMemo(page, "", {0, 0, 10, 10}, "", 10, 0);
    Loaded many(source.saveToStream());
    ASSERT_TRUE(many.ok);
    const auto& objects = many.report.page(0).objects();
    ASSERT_EQ(objects.size(), 11'004u);
    EXPECT_EQ(objects[10'000]->name(), "Memo10000");
    EXPECT_EQ(objects[10'001]->name(), "");
}
