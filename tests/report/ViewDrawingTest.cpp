// Drawing of views: draw preparation, background and frame rules, lines and the memo layout.
#include <gtest/gtest.h>

#include <memory>

#include "platform/FixedMetricsCanvas.h"
#include "report/LineView.h"
#include "report/MemoView.h"
#include "report/TemplateStream.h"

using namespace report;
using platform::FixedMetricsCanvas;
using platform::PictureRecordKind;

namespace {

// Every test draws in printing mode unless it says otherwise.
class ViewDrawing : public ::testing::Test {
protected:
    static DrawEnvironment printing() {
        DrawEnvironment env;
        env.mode = DocumentMode::Printing;
        return env;
    }

    // A 10-point memo: characters are 8 pixels wide, lines 13 + LineSpacing 2 apart.
    static std::unique_ptr<MemoView> memoAt(int left, int top, int width, int height,
                                            std::vector<std::string> lines) {
        auto m = std::make_unique<MemoView>();
        m->left = left;
        m->top = top;
        m->width = width;
        m->height = height;
        m->memo = std::move(lines);
        return m;
    }
};

std::vector<platform::PictureRecord> linesOf(const FixedMetricsCanvas& c) {
    return c.recordsOf(PictureRecordKind::Line);
}

}  // namespace

TEST_F(ViewDrawing, CentredLineUsesTheGapAndTheRectangleOnePixelWiderThanTheObject) {
    auto memo = memoAt(10, 20, 100, 30, {"ABC"});
    MemoView& m = *memo;
    m.alignment = kAlignCenter;
    FixedMetricsCanvas canvas;
    m.draw(canvas, printing());
    // x + 2 + (101 - 4 - 24) div 2, y + GapY 1
    EXPECT_TRUE(canvas.hasText("ABC", {10 + 2 + (101 - 4 - 24) / 2, 21})) << canvas.describe();
}

TEST_F(ViewDrawing, HorizontalAlignments) {
    struct Case {
        int alignment;
        int x;
    } cases[] = {
        {kAlignLeft, 12},
        {kAlignRight, 10 + 101 - 2 - 24 - 1},
        {kAlignCenter, 48},
    };
    for (const auto& c : cases) {
        auto memo = memoAt(10, 20, 100, 30, {"ABC"});
        MemoView& m = *memo;
        m.alignment = c.alignment;
        FixedMetricsCanvas canvas;
        m.draw(canvas, printing());
        EXPECT_TRUE(canvas.hasText("ABC", {c.x, 21})) << "alignment " << c.alignment << "\n"
                                                      << canvas.describe();
    }
}

TEST_F(ViewDrawing, VerticalAlignmentMovesTheBlockByTheFreeHeight) {
    // Rectangle height 61, inner 59, one line of 15: free 44.
    struct Case {
        int alignment;
        int y;
    } cases[] = {{0, 21}, {kAlignMiddle, 21 + 22}, {kAlignBottom, 21 + 44}};
    for (const auto& c : cases) {
        auto memo = memoAt(10, 20, 100, 60, {"ABC"});
        MemoView& m = *memo;
        m.alignment = c.alignment;
        FixedMetricsCanvas canvas;
        m.draw(canvas, printing());
        EXPECT_TRUE(canvas.hasText("ABC", {12, c.y})) << "alignment " << c.alignment << "\n"
                                                      << canvas.describe();
    }
}

TEST_F(ViewDrawing, WrapsAtTheLastBlankThatFitsAndCutsOrHyphenatesLongWords) {
    // Inner width 97: twelve characters fit.
    struct Case {
        const char* text;
        std::uint16_t extraFlags;
        std::vector<std::string> lines;
    } cases[] = {
        {"uno due tre quattro", 0, {"uno due tre", "quattro"}},
        {"abcdefghijklmnopq", 0, {"abcdefghijkl", "mnopq"}},
        {"abcdefghijklmnopq", kMemoWordBreak, {"abcdefghijk-", "lmnopq"}},
        {"breve", 0, {"breve"}},
    };
    for (const auto& c : cases) {
        auto memo = memoAt(10, 20, 100, 60, {c.text});
        MemoView& m = *memo;
        m.flags |= c.extraFlags;
        FixedMetricsCanvas canvas;
        m.draw(canvas, printing());
        const auto texts = canvas.recordsOf(PictureRecordKind::Text);
        ASSERT_EQ(texts.size(), c.lines.size()) << c.text << "\n" << canvas.describe();
        for (std::size_t i = 0; i < texts.size(); ++i) {
            EXPECT_EQ(texts[i].text, c.lines[i]);
            EXPECT_TRUE(canvas.hasText(c.lines[i], {12, 21 + static_cast<int>(i) * 15})) << canvas.describe();
        }
    }
}

TEST_F(ViewDrawing, WithoutWordWrapLongLinesStayWhole) {
    auto memo = memoAt(10, 20, 100, 60, {"uno due tre quattro"});
    MemoView& m = *memo;
    m.flags &= static_cast<std::uint16_t>(~kMemoWordWrap);
    FixedMetricsCanvas canvas;
    m.draw(canvas, printing());
    EXPECT_TRUE(canvas.hasText("uno due tre quattro", {12, 21}));
}

TEST_F(ViewDrawing, JustifiedSpreadsTheFreeSpaceOverTheBlanksExceptOnTheLastLine) {
    auto memo = memoAt(10, 20, 100, 60, {"aaa bbb ccc ddd"});
    MemoView& m = *memo;
    m.alignment = kAlignJustify;
    FixedMetricsCanvas canvas;
    m.draw(canvas, printing());
    // Free space 97 - 88 = 9 over two blanks: 5 then 4 extra pixels.
    EXPECT_TRUE(canvas.hasText("aaa ", {12, 21})) << canvas.describe();
    EXPECT_TRUE(canvas.hasText("bbb ", {12 + 32 + 5, 21})) << canvas.describe();
    EXPECT_TRUE(canvas.hasText("ccc", {12 + 32 + 5 + 32 + 4, 21})) << canvas.describe();
    EXPECT_TRUE(canvas.hasText("ddd", {12, 36})) << canvas.describe();
}

TEST_F(ViewDrawing, LineAndCharacterSpacing) {
    auto memo = memoAt(10, 20, 200, 60, {"ab", "cd"});
    MemoView& m = *memo;
    m.lineSpacing = 6;
    m.charSpacing = 3;
    m.alignment = kAlignRight;
    FixedMetricsCanvas canvas;
    m.draw(canvas, printing());
    // Each line is 2 * (8 + 3) wide and starts 13 + 6 below the previous one.
    EXPECT_TRUE(canvas.hasText("ab", {10 + 201 - 2 - 22 - 1, 21})) << canvas.describe();
    EXPECT_TRUE(canvas.hasText("cd", {10 + 201 - 2 - 22 - 1, 40})) << canvas.describe();
    EXPECT_EQ(canvas.findText("ab")->extraSpacing, 3);
}

TEST_F(ViewDrawing, RotatedTextRunsBottomToTop) {
    auto memo = memoAt(10, 20, 40, 100, {"AB"});
    MemoView& m = *memo;
    m.alignment = kAlignRotated;
    FixedMetricsCanvas canvas;
    m.draw(canvas, printing());
    const auto* text = canvas.findText("AB");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->state.font.escapement, 900);
    // Starts GapY above the bottom of the drawing rectangle (20 + 101 - 1 - 1).
    EXPECT_TRUE(canvas.hasText("AB", {10 + 2, 119})) << canvas.describe();
}

TEST_F(ViewDrawing, UnderlinesRuleEveryLineHeight) {
    auto memo = memoAt(0, 0, 100, 45, {"x"});
    MemoView& m = *memo;
    m.flags |= kMemoUnderlines;
    FixedMetricsCanvas canvas;
    m.draw(canvas, printing());
    // Lines 15 apart starting after the first line: y = 15, 30 (45 is the bottom edge).
    const auto lines = linesOf(canvas);
    ASSERT_EQ(lines.size(), 2u) << canvas.describe();
    EXPECT_EQ(lines[0].points[0].y, 15);
    EXPECT_EQ(lines[1].points[0].y, 30);
}

TEST_F(ViewDrawing, BackgroundFollowsFillColourAndDocumentMode) {
    struct Case {
        platform::Color fill;
        DocumentMode mode;
        bool filled;
        platform::Color drawn;
    } cases[] = {
        {platform::kNoColor, DocumentMode::Printing, false, 0},
        {platform::kNoColor, DocumentMode::Designing, true, platform::kWhite},
        {platform::kWhite, DocumentMode::Printing, true, platform::kWhite},
        {0x0000FF, DocumentMode::Printing, true, 0x0000FF},
    };
    for (const auto& c : cases) {
        auto memo = memoAt(10, 20, 100, 30, {});
        MemoView& m = *memo;
        m.fillColor = c.fill;
        FixedMetricsCanvas canvas;
        DrawEnvironment env;
        env.mode = c.mode;
        m.draw(canvas, env);
        const auto fills = canvas.recordsOf(PictureRecordKind::FillRect);
        ASSERT_EQ(fills.size(), c.filled ? 1u : 0u) << canvas.describe();
        if (c.filled) {
            EXPECT_EQ(fills[0].state.brush.color, c.drawn);
            EXPECT_EQ(fills[0].rect, (platform::Rect{10, 20, 110, 50}));
        }
    }
}

TEST_F(ViewDrawing, TwoPassFirstPassDrawsNeitherBackgroundNorFrame) {
    auto memo = memoAt(10, 20, 100, 30, {"x"});
    MemoView& m = *memo;
    m.fillColor = platform::kWhite;
    m.frameTyp = kFrameAll;
    FixedMetricsCanvas canvas;
    DrawEnvironment env = printing();
    env.firstPassOfTwo = true;
    m.draw(canvas, env);
    EXPECT_TRUE(canvas.records().empty()) << canvas.describe();
}

TEST_F(ViewDrawing, FrameEdgesPenAndDoubleStyle) {
    auto memo = memoAt(10, 20, 100, 30, {});
    MemoView& m = *memo;
    m.frameTyp = kFrameRight | kFrameBottom;
    m.frameWidth = 2;
    m.frameColor = 0x00FF00;
    m.frameStyle = kFrameDash;
    FixedMetricsCanvas canvas;
    m.draw(canvas, printing());
    auto lines = linesOf(canvas);
    ASSERT_EQ(lines.size(), 2u) << canvas.describe();
    EXPECT_EQ(lines[0].points[0].x, 110);  // right edge
    EXPECT_EQ(lines[1].points[0].y, 50);   // bottom edge
    EXPECT_EQ(lines[0].state.pen.width, 2);
    EXPECT_EQ(lines[0].state.pen.color, 0x00FF00u);
    EXPECT_EQ(lines[0].state.pen.style, platform::PenStyle::Dash);

    m.frameTyp = kFrameAll;
    m.frameStyle = kFrameDouble;
    FixedMetricsCanvas doubled;
    m.draw(doubled, printing());
    EXPECT_EQ(linesOf(doubled).size(), 8u) << doubled.describe();
}

TEST_F(ViewDrawing, DesignModeMarksTheCornersOfUnframedObjects) {
    auto memo = memoAt(10, 20, 100, 30, {});
    MemoView& m = *memo;
    FixedMetricsCanvas canvas;
    m.draw(canvas, DrawEnvironment{});
    EXPECT_EQ(linesOf(canvas).size(), 8u);
}

TEST_F(ViewDrawing, LinesBecomeHorizontalOrVertical) {
    struct Case {
        int width, height;
        platform::Point from;
        bool horizontal;
    } cases[] = {{132, 0, {16, 184}, true},
                 {0, 40, {16, 184}, false},
                 {4, 0, {16, 184}, true},
                 {3, 10, {16, 184}, false}};
    for (const auto& c : cases) {
        LineView line;
        line.left = 16;
        line.top = 184;
        line.width = c.width;
        line.height = c.height;
        line.frameTyp = kFrameTop;
        FixedMetricsCanvas canvas;
        line.draw(canvas, printing());
        auto lines = linesOf(canvas);
        ASSERT_EQ(lines.size(), 1u) << canvas.describe();
        EXPECT_EQ(lines[0].points[0], c.from);
        if (c.horizontal)
            EXPECT_EQ(lines[0].points[1].y, 184);
        else
            EXPECT_EQ(lines[0].points[1].x, 16);
        EXPECT_TRUE(canvas.recordsOf(PictureRecordKind::FillRect).empty());
        // Drawing leaves the stored geometry alone.
        EXPECT_EQ(line.width, c.width);
        EXPECT_EQ(line.height, c.height);
    }
}

TEST_F(ViewDrawing, DrawPreparationAtScaleAndOffset) {
    auto memo = memoAt(10, 20, 100, 30, {});
    MemoView& m = *memo;
    m.frameTyp = kFrameAll;
    m.frameWidth = 3;
    const DrawGeometry g = m.prepareDraw(m.box(), {2.0, 2.0, 5, 7});
    EXPECT_EQ(g.x, 25);
    EXPECT_EQ(g.y, 47);
    EXPECT_EQ(g.width, 200);
    EXPECT_EQ(g.gapX, 3 + 4);
    EXPECT_EQ(g.gapY, 2 + 3 / 2);
    // round((6 - 1) / 2) is 2 (halves go to even); the right edge 225 less round(3), plus one.
    EXPECT_EQ(g.rect, (platform::Rect{27, 49, 223, 105}));
}

TEST_F(ViewDrawing, BandAlignWithinThePageArea) {
    struct Case {
        BandAlign align;
        int left, width;
    } cases[] = {
        {BandAlign::Left, 18, 100},
        {BandAlign::Right, 1053 - 100, 100},
        {BandAlign::Center, 18 + (1035 - 100) / 2, 100},
        {BandAlign::Width, 18, 1034},
        {BandAlign::Rest, 18, 1035},
    };
    DrawEnvironment env;
    env.areaLeft = 18;
    env.areaRight = 1053;
    for (const auto& c : cases) {
        auto memo = memoAt(300, 20, 100, 30, {});
        MemoView& m = *memo;
        m.bandAlign = c.align;
        EXPECT_EQ(m.alignedBox(m.box(), env), (ViewBox{c.left, 20, c.width, 30}))
            << static_cast<int>(c.align);
    }
}

TEST_F(ViewDrawing, AutoWidthFitsThePrintedTextToTheWidestLineAndKeepsTheRightEdgeOfRightAlignedText) {
    auto memo = memoAt(100, 20, 300, 30, {"ABCDE"});
    MemoView& m = *memo;
    m.flags |= kMemoAutoWidth;
    m.alignment = kAlignRight;
    FixedMetricsCanvas measure;
    platform::ByteWriter out;
    PrintContext context{out, nullptr, &measure, printing()};
    ASSERT_TRUE(m.print(context));
    platform::ByteReader in(out.bytes());
    const std::unique_ptr<View> printed = readPrintedObject(in, 24);
    // width 40 + 2 gaps + 1 = 45 ending at 400: the text's right end stays at the old place.
    EXPECT_EQ(printed->box(), (ViewBox{355, 20, 45, 30}));
    EXPECT_EQ(m.box(), (ViewBox{100, 20, 300, 30}));
    FixedMetricsCanvas canvas;
    printed->draw(canvas, printing());
    EXPECT_TRUE(canvas.hasText("ABCDE", {355 + 46 - 2 - 40 - 1, 21})) << canvas.describe();
}
