// Label sheets in use: starting at label N of a used sheet, copies of each label in a row,
// the label positions of each template and the calibration test sheet drawn on them.
#include <gtest/gtest.h>

#include <filesystem>

#include "labels/LabelApp.h"
#include "labels/LabelReports.h"
#include "labels/LabelSlots.h"
#include "labels/TestSheet.h"
#include "labels/qt/QtFileLocker.h"
#include "report/LineView.h"
#include "report/MemoView.h"

namespace {

struct Bar {
    int left, top;
    std::string code;
};

struct Sheets {
    Sheets() : app(std::filesystem::temp_directory_path(), locker), reports(app.printList(), &app.fiscalCodes(), errors) {}
    void labels(int n) {
        app.reset();
        for (int i = 0; i < n; ++i) app.insertLabel("C" + std::to_string(100000 + i));
    }
    bool prepare(int kind, int start, int copies) {
        preparation::PrepareOptions options;
        options.progressDisplay = nullptr;
        options.blankPositions = start - 1;
        options.copiesPerRecord = copies;
        return reports.prepare(kind, options);
    }
    int sheets(int kind) { return reports.pages(kind).count(); }
    std::vector<Bar> bars(int kind, int index) {
        auto& pages = reports.pages(kind);
        pages.loadObjects(index);
        std::vector<Bar> out;
        for (const auto& o : pages.page(index).loadedPage->objects())
            if (o->name() == "Bar1") out.push_back({o->left, o->top, o->memo.empty() ? "" : o->memo.front()});
        pages.release(index);
        return out;
    }

    report::CollectingErrorReporter errors;
    labels::qt::QtFileLocker locker;
    labels::LabelApp app;
    labels::LabelReports reports;
};

// Each barcode lies at the same place within its slot as the first label of a full sheet.
void expectOnSlots(const std::vector<Bar>& bars, const std::vector<labels::LabelSlot>& slots,
                   std::size_t firstSlot, int dx, int dy) {
    ASSERT_LE(firstSlot + bars.size(), slots.size());
    for (std::size_t i = 0; i < bars.size(); ++i) {
        EXPECT_EQ(bars[i].left - slots[firstSlot + i].left, dx) << i;
        EXPECT_EQ(bars[i].top - slots[firstSlot + i].top, dy) << i;
    }
}

}  // namespace

TEST(SheetUse, SlotsAreWherePreparationPutsTheLabelsOfAFullSheet) {
    Sheets s;
    const int perSheet[] = {54, 64, 14, 36};
    for (int kind = 1; kind <= 4; ++kind) {
        SCOPED_TRACE(kind);
        const auto slots = labels::labelSlots(s.reports.report(kind));
        ASSERT_EQ(static_cast<int>(slots.size()), perSheet[kind - 1]);
        s.labels(static_cast<int>(slots.size()));
        ASSERT_TRUE(s.prepare(kind, 1, 1));
        ASSERT_EQ(s.sheets(kind), 1);
        const auto bars = s.bars(kind, 0);
        ASSERT_EQ(bars.size(), slots.size());
        expectOnSlots(bars, slots, 0, bars[0].left - slots[0].left, bars[0].top - slots[0].top);
    }
}

TEST(SheetUse, StartAtLabelNLeavesTheFirstPositionsOfTheFirstSheetBlank) {
    Sheets s;
    const struct {
        int kind, start, labels, firstSheetBars, sheets;
    } cases[] = {{1, 1, 60, 54, 2}, {1, 2, 60, 53, 2}, {1, 54, 60, 1, 3}, {1, 54, 1, 1, 1}, {2, 64, 66, 1, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.kind) + " from " + std::to_string(c.start));
        const auto slots = labels::labelSlots(s.reports.report(c.kind));
        s.labels(c.labels);
        ASSERT_TRUE(s.prepare(c.kind, 1, 1));
        const auto full = s.bars(c.kind, 0);
        const int dx = full[0].left - slots[0].left, dy = full[0].top - slots[0].top;

        ASSERT_TRUE(s.prepare(c.kind, c.start, 1));
        EXPECT_EQ(s.sheets(c.kind), c.sheets);
        const auto first = s.bars(c.kind, 0);
        ASSERT_EQ(static_cast<int>(first.size()), c.firstSheetBars);
        EXPECT_EQ(first[0].code, "C100000");
        expectOnSlots(first, slots, static_cast<std::size_t>(c.start - 1), dx, dy);
        // Later sheets are full again, from the first position.
        if (c.sheets > 1) {
            const auto second = s.bars(c.kind, 1);
            ASSERT_FALSE(second.empty());
            EXPECT_EQ(second[0].left, full[0].left);
            EXPECT_EQ(second[0].top, full[0].top);
            EXPECT_EQ(second[0].code, "C" + std::to_string(100000 + c.firstSheetBars));
        }
    }
    EXPECT_TRUE(s.errors.messages.empty());
}

TEST(SheetUse, CopiesRepeatEachLabelInARowAcrossSheetBoundaries) {
    Sheets s;
    for (int copies : {1, 3, 99}) {
        SCOPED_TRACE(copies);
        s.labels(20);
        ASSERT_TRUE(s.prepare(1, 50, copies));
        std::vector<std::string> codes;
        for (int sheet = 0; sheet < s.sheets(1); ++sheet)
            for (const Bar& bar : s.bars(1, sheet)) codes.push_back(bar.code);
        ASSERT_EQ(codes.size(), 20u * static_cast<std::size_t>(copies));
        for (std::size_t i = 0; i < codes.size(); ++i)
            EXPECT_EQ(codes[i], "C" + std::to_string(100000 + i / static_cast<std::size_t>(copies))) << i;
        // Positions 50..54 of the first sheet, then full sheets of 54.
        const int total = 20 * copies + 49;
        EXPECT_EQ(s.sheets(1), (total + 53) / 54);
        EXPECT_EQ(s.bars(1, 0).size(), 5u);
    }
}

TEST(SheetUse, OutOfRangeSheetOptionsAreHeldToTheirLimits) {
    Sheets s;
    s.labels(3);
    ASSERT_TRUE(s.prepare(1, 1 - 5, 0));  // blanks below 0 and copies below 1
    ASSERT_EQ(s.bars(1, 0).size(), 3u);
    ASSERT_TRUE(s.prepare(1, 1, 1000));
    EXPECT_EQ(s.bars(1, 0).size() + s.bars(1, 1).size(), 54u + 54u);  // 99 copies of 3: 297 labels
    EXPECT_EQ(s.sheets(1), 6);
}

TEST(SheetUse, TestSheetOutlinesTheSlotsWithACrossAtEachCentre) {
    Sheets s;
    for (int kind : {1, 2}) {
        SCOPED_TRACE(kind);
        report::Report& tpl = s.reports.report(kind);
        const auto slots = labels::labelSlots(tpl);
        prepared::PreparedPages pages(&tpl);
        labels::buildTestSheet(tpl, pages);
        ASSERT_EQ(pages.count(), 1);
        pages.loadObjects(0);
        std::vector<labels::LabelSlot> outlines;
        std::vector<const report::View*> lines;
        for (const auto& o : pages.page(0).loadedPage->objects()) {
            if (dynamic_cast<const report::MemoView*>(o.get()) && o->frameTyp == report::kFrameAll)
                outlines.push_back({o->left, o->top, o->width, o->height});
            if (dynamic_cast<const report::LineView*>(o.get())) lines.push_back(o.get());
        }
        ASSERT_EQ(outlines.size(), slots.size());
        for (std::size_t i = 0; i < slots.size(); ++i) {
            EXPECT_EQ(outlines[i].left, slots[i].left);
            EXPECT_EQ(outlines[i].top, slots[i].top);
            EXPECT_EQ(outlines[i].width, slots[i].width);
            EXPECT_EQ(outlines[i].height, slots[i].height);
            // The cross: a horizontal and a vertical line through the slot's centre.
            const int cx = slots[i].left + slots[i].width / 2, cy = slots[i].top + slots[i].height / 2;
            int through = 0;
            for (const report::View* line : lines) {
                if (line->height == 0 && line->top == cy && line->left < cx && line->left + line->width > cx) ++through;
                if (line->width == 0 && line->left == cx && line->top < cy && line->top + line->height > cy) ++through;
            }
            EXPECT_EQ(through, 2) << i;
        }
        // Rulers: a tick per millimetre along the top and the left edge of the printable area
        // (about 287 and 200 on A4 landscape).
        EXPECT_GT(lines.size(), 2 * slots.size() + 450);
        pages.page(0).loadedPage.reset();
    }
}
