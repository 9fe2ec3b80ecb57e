// Pixel rules of the QPainter surface: what a barcode, a frame and a highlight rely on.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <functional>

#include "platform/qt/QPainterCanvas.h"

namespace platform::qt {
namespace {

QImage paint(int w, int h, const std::function<void(QPainterCanvas&)>& draw) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    draw(canvas);
    painter.end();
    return image;
}

bool isBlack(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

// Columns and rows that hold at least one dark pixel.
QRect darkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isBlack(image, x, y)) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

int darkCount(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += isBlack(image, x, y);
    return n;
}

void setSolid(Canvas& c, Color color, int penWidth = 1) {
    c.setPen(Pen{color, penWidth, PenStyle::Solid, PenMode::Copy});
    c.setBrush(Brush{color, false});
}

TEST(QPainterCanvas, BarPolygonCoversItsCornerCellsInclusive) {
    for (int module : {1, 2, 3}) {
        for (int x : {0, 5, 10}) {
            const int e = 20;
            QImage image = paint(40, 30, [&](QPainterCanvas& c) {
                setSolid(c, kBlack);
                c.polygon({{x, 0}, {x, e}, {x + module - 1, e}, {x + module - 1, 0}});
            });
            EXPECT_EQ(darkBounds(image), QRect(QPoint(x, 0), QPoint(x + module - 1, e)))
                << "module " << module << " at " << x;
            EXPECT_EQ(darkCount(image), module * (e + 1));
        }
    }
}

TEST(QPainterCanvas, AdjacentBarsAndSpacesTileWithoutGapsOrOverlap) {
    // Elements 1, 2, 3, 1 and 2 modules wide, alternately black and white, from x = 2.
    const int widths[] = {1, 2, 3, 1, 2};
    QImage image = paint(30, 12, [&](QPainterCanvas& c) {
        int x = 2;
        for (int i = 0; i < 5; ++i) {
            setSolid(c, i % 2 == 0 ? kBlack : kWhite);
            c.polygon({{x, 0}, {x, 10}, {x + widths[i] - 1, 10}, {x + widths[i] - 1, 0}});
            x += widths[i];
        }
    });
    const char* expected = ".X..XXX.XX";  // columns 1..10
    for (int col = 1; col <= 10; ++col)
        EXPECT_EQ(isBlack(image, col, 5), expected[col - 1] == 'X') << "column " << col;
}

TEST(QPainterCanvas, TurnedBarCoversBothEnds) {
    // A bar turned by 90 degrees: the pattern runs along y.
    QImage image = paint(30, 30, [&](QPainterCanvas& c) {
        setSolid(c, kBlack);
        c.polygon({{2, 20}, {22, 20}, {22, 19}, {2, 19}});
    });
    EXPECT_EQ(darkBounds(image), QRect(QPoint(2, 19), QPoint(22, 20)));
}

TEST(QPainterCanvas, DiagonalPolygonOutlineReachesEveryCorner) {
    QImage image = paint(30, 30, [&](QPainterCanvas& c) {
        setSolid(c, kBlack);
        c.polygon({{5, 2}, {2, 12}, {15, 20}, {20, 5}});
    });
    for (QPoint p : {QPoint(5, 2), QPoint(2, 12), QPoint(15, 20), QPoint(20, 5)})
        EXPECT_TRUE(isBlack(image, p.x(), p.y())) << p.x() << "," << p.y();
    EXPECT_EQ(darkBounds(image), QRect(QPoint(2, 2), QPoint(20, 20)));
}

TEST(QPainterCanvas, LinesLeaveOutTheirEndCell) {
    struct Case {
        Point a, b;
        QRect covered;
    } cases[] = {
        {{2, 3}, {8, 3}, QRect(QPoint(2, 3), QPoint(7, 3))},
        {{8, 3}, {2, 3}, QRect(QPoint(3, 3), QPoint(8, 3))},
        {{4, 1}, {4, 9}, QRect(QPoint(4, 1), QPoint(4, 8))},
        {{4, 9}, {4, 1}, QRect(QPoint(4, 2), QPoint(4, 9))},
    };
    for (const Case& k : cases) {
        QImage image = paint(12, 12, [&](QPainterCanvas& c) {
            c.setPen(Pen{kBlack, 1});
            c.line(k.a, k.b);
        });
        EXPECT_EQ(darkBounds(image), k.covered);
        EXPECT_EQ(darkCount(image), k.covered.width() * k.covered.height());
    }
}

TEST(QPainterCanvas, FillRectExcludesRightAndBottomEdges) {
    QImage image = paint(20, 20, [](QPainterCanvas& c) {
        c.setBrush(Brush{kBlack});
        c.fillRect({3, 4, 9, 10});
    });
    EXPECT_EQ(darkBounds(image), QRect(3, 4, 6, 6));
}

TEST(QPainterCanvas, ClearBrushDrawsOnlyTheOutline) {
    QImage image = paint(20, 20, [](QPainterCanvas& c) {
        c.setPen(Pen{kBlack, 1});
        c.setBrush(Brush{kWhite, true});
        c.polygon({{2, 2}, {2, 10}, {10, 10}, {10, 2}});
    });
    EXPECT_EQ(darkBounds(image), QRect(QPoint(2, 2), QPoint(10, 10)));
    EXPECT_FALSE(isBlack(image, 6, 6));
    EXPECT_EQ(darkCount(image), 4 * 8);
}

TEST(QPainterCanvas, InvertRectAndXorLinesInvertTwiceToNothing) {
    QImage image = paint(20, 20, [](QPainterCanvas& c) { c.invertRect({2, 2, 8, 8}); });
    EXPECT_EQ(darkBounds(image), QRect(2, 2, 6, 6));
    image = paint(20, 20, [](QPainterCanvas& c) {
        c.setPen(Pen{kWhite, 1, PenStyle::Solid, PenMode::Xor});
        c.line({1, 5}, {9, 5});
        c.line({1, 5}, {9, 5});
    });
    EXPECT_EQ(darkCount(image), 0);
    image = paint(20, 20, [](QPainterCanvas& c) {
        c.setPen(Pen{kWhite, 1, PenStyle::Solid, PenMode::Xor});
        c.line({1, 5}, {9, 5});
    });
    EXPECT_EQ(darkBounds(image), QRect(1, 5, 8, 1));
}

TEST(QPainterCanvas, ClipRectLimitsDrawingAndRectVisibleFollowsIt) {
    QImage image = paint(20, 20, [](QPainterCanvas& c) {
        c.setClipRect({5, 5, 10, 10});
        EXPECT_TRUE(c.rectVisible({0, 0, 6, 6}));
        EXPECT_FALSE(c.rectVisible({10, 10, 15, 15}));
        c.setBrush(Brush{kBlack});
        c.fillRect({0, 0, 20, 20});
        c.clearClip();
        EXPECT_TRUE(c.rectVisible({10, 10, 15, 15}));
    });
    EXPECT_EQ(darkBounds(image), QRect(5, 5, 5, 5));
}

TEST(QPainterCanvas, DottedLineLeavesGaps) {
    QImage image = paint(40, 5, [](QPainterCanvas& c) {
        c.setPen(Pen{kBlack, 1, PenStyle::Dot});
        c.line({0, 2}, {30, 2});
    });
    const int dark = darkCount(image);
    EXPECT_GT(dark, 5);
    EXPECT_LT(dark, 25);
}

}  // namespace
}  // namespace platform::qt
