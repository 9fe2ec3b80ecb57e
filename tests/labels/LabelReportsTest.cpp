// The four built-in label reports over a print list filled by the window's commands: the
// sheets of the worked example on the virtual printer.
#include <gtest/gtest.h>

#include <filesystem>

#include "labels/LabelApp.h"
#include "labels/LabelReports.h"
#include "labels/qt/QtFileLocker.h"

namespace {

struct Reports {
    Reports()
        : app(std::filesystem::temp_directory_path(), locker), reports(app.printList(), &app.fiscalCodes(), errors) {}
    void labels(int n) {
        app.reset();
        for (int i = 0; i < n; ++i) app.insertLabel("C" + std::to_string(100000 + i));
    }
    bool prepare(int kind) {
        preparation::PrepareOptions options;
        options.progressDisplay = nullptr;
        return reports.prepare(kind, options);
    }
    int sheets(int kind) { return reports.pages(kind).count(); }
    // Barcodes on sheet `index` of report `kind`, in print order.
    std::vector<std::pair<int, int>> barPositions(int kind, int index) {
        auto& pages = reports.pages(kind);
        pages.loadObjects(index);
        std::vector<std::pair<int, int>> out;
        for (const auto& o : pages.page(index).loadedPage->objects())
            if (o->name() == "Bar1") out.emplace_back(o->left, o->top);
        pages.release(index);
        return out;
    }

    report::CollectingErrorReporter errors;
    labels::qt::QtFileLocker locker;
    labels::LabelApp app;
    labels::LabelReports reports;
};

}  // namespace

TEST(LabelReports, SeriesOf53_107_161CodesFillOneTwoThreeSheets) {
    Reports r;
    const std::pair<labels::SeriesLength, int> cases[] = {
        {labels::SeriesLength::Short, 1}, {labels::SeriesLength::Medium, 2}, {labels::SeriesLength::Long, 3}};
    for (auto [length, sheets] : cases) {
        r.app.fillSeries(2019, 4, length, labels::ClosingKind::YearBased);
        ASSERT_TRUE(r.prepare(1));
        EXPECT_EQ(r.sheets(1), sheets);
        EXPECT_EQ(r.barPositions(1, sheets - 1).size(), 54u);
    }
    EXPECT_TRUE(r.errors.messages.empty());
}

TEST(LabelReports, RowsAndLabelsPerSheetFollowTheWorkedExample) {
    const struct {
        int kind, rows, perSheet, firstTop, columnStep;
    } cases[] = {{1, 9, 54, 26, 173}, {2, 8, 64, 62, 130}, {3, 7, 14, 110, 521}, {4, 9, 36, 34, 260}};
    Reports r;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        r.labels(c.perSheet + 1);
        ASSERT_TRUE(r.prepare(c.kind));
        ASSERT_EQ(r.sheets(c.kind), 2);
        const auto bars = r.barPositions(c.kind, 0);
        ASSERT_EQ(static_cast<int>(bars.size()), c.perSheet);
        EXPECT_EQ(bars[0].second, c.firstTop);
        EXPECT_EQ(bars[static_cast<std::size_t>(c.rows)].second, c.firstTop);
        EXPECT_EQ(bars[static_cast<std::size_t>(c.rows)].first - bars[0].first, c.columnStep);
        EXPECT_EQ(r.barPositions(c.kind, 1).size(), 1u);
    }
    EXPECT_TRUE(r.errors.messages.empty());
}

TEST(LabelReports, TemplateOneBarcodesSitAt28Plus173kAnd26Plus78r) {
    Reports r;
    r.labels(54);
    ASSERT_TRUE(r.prepare(1));
    const auto bars = r.barPositions(1, 0);
    ASSERT_EQ(bars.size(), 54u);
    for (int k = 0; k < 6; ++k)
        for (int row = 0; row < 9; ++row)
            EXPECT_EQ(bars[static_cast<std::size_t>(k * 9 + row)],
                      std::make_pair(28 + k * 173, 26 + row * 78));
}

TEST(LabelReports, EmptyPrintListGivesOneSheetPerReport) {
    Reports r;
    r.app.reset();
    for (int kind = 1; kind <= 4; ++kind) {
        ASSERT_TRUE(r.prepare(kind)) << kind;
        EXPECT_EQ(r.sheets(kind), 1) << kind;
    }
    EXPECT_TRUE(r.errors.messages.empty());
}
