// Recording a drawing into a Picture and playing it back must give the pixels of drawing
// directly; stretched playback must keep bar widths exact.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <functional>

#include "platform/GeometryOutput.h"
#include "platform/PictureCanvas.h"
#include "platform/qt/QPainterCanvas.h"

namespace platform::qt {
namespace {

using Scene = std::function<void(Canvas&)>;

QImage blank(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage drawDirect(int w, int h, const Scene& scene) {
    QImage image = blank(w, h);
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    scene(canvas);
    return image;
}

// Records with the image's own canvas as reference, then plays into `into` on a fresh image.
QImage drawRecorded(int w, int h, const Scene& scene, const Rect& into, bool throughTransform) {
    QImage image = blank(into.right, into.bottom);
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    PictureCanvas recorder({w, h}, &canvas);
    scene(recorder);
    if (throughTransform)
        canvas.drawPicture(recorder.picture(), into);
    else
        recorder.picture().play(canvas, into);
    return image;
}

void bars(Canvas& c) {
    int x = 3;
    const int widths[] = {1, 1, 2, 3, 1, 2, 2, 1, 3};
    for (int i = 0; i < 9; ++i) {
        const Color color = i % 2 == 0 ? kBlack : kWhite;
        c.setPen(Pen{color, 1});
        c.setBrush(Brush{color});
        c.polygon({{x, 2}, {x, 30}, {x + widths[i] - 1, 30}, {x + widths[i] - 1, 2}});
        x += widths[i];
    }
}

void mixedScene(Canvas& c) {
    bars(c);
    c.setBrush(Brush{rgb(200, 30, 30)});
    c.fillRect({40, 4, 60, 20});
    c.setPen(Pen{rgb(0, 0, 255), 1});
    c.line({2, 40}, {70, 40});
    c.line({5, 45}, {30, 60});
    Font f;
    f.name = "Courier New";
    f.height = 12;
    c.setFont(f);
    c.textOut(10, 46, "AB12");
    f.escapement = 900;
    c.setFont(f);
    c.textOut(80, 60, "Z9");
    c.setClipRect({0, 0, 50, 70});
    c.setBrush(Brush{kBlack});
    c.fillRect({45, 62, 60, 68});
    c.clearClip();
    c.invertRect({62, 0, 66, 10});
}

TEST(PictureReplay, PlayingAtTheRecordedSizeGivesTheSamePixels) {
    const QImage direct = drawDirect(100, 70, mixedScene);
    for (bool throughTransform : {true, false})
        EXPECT_EQ(drawRecorded(100, 70, mixedScene, {0, 0, 100, 70}, throughTransform), direct)
            << "through transform " << throughTransform;
}

// Column colours along one row, as a string of '#' and '.'.
std::string rowPattern(const QImage& image, int y, int from, int to) {
    std::string s;
    for (int x = from; x < to; ++x) s += qGray(image.pixel(x, y)) < 128 ? '#' : '.';
    return s;
}

std::string stretched(const std::string& pattern, int k) {
    std::string s;
    for (char c : pattern) s.append(std::size_t(k), c);
    return s;
}

TEST(PictureReplay, StretchedBarsKeepExactWidthsAtWholeScales) {
    const std::string unit = rowPattern(drawDirect(40, 34, bars), 10, 0, 40);
    for (int k : {2, 3, 5}) {
        for (bool throughTransform : {true, false}) {
            const QImage image = drawRecorded(40, 34, bars, {0, 0, 40 * k, 34 * k}, throughTransform);
            EXPECT_EQ(rowPattern(image, 10 * k + k / 2, 0, 40 * k), stretched(unit, k))
                << "scale " << k << " through transform " << throughTransform;
        }
    }
}

TEST(PictureReplay, PlayingIntoAnOffsetRectangleMovesTheDrawing) {
    const QImage direct = drawDirect(40, 34, bars);
    const QImage moved = drawRecorded(40, 34, bars, {7, 5, 47, 39}, true);
    EXPECT_EQ(moved.copy(7, 5, 40, 34), direct);
}

TEST(PictureReplay, RecordedTextBoundsMatchTheMeasuredAndDrawnText) {
    QImage image = blank(200, 100);
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    Font f;
    f.name = "Arial";
    f.height = 20;
    canvas.setFont(f);
    const Size measured = canvas.textExtent("Ricetta 123");
    PictureCanvas recorder({200, 100}, &canvas);
    recorder.setFont(f);
    EXPECT_EQ(recorder.textExtent("Ricetta 123"), measured);
    recorder.textOut(10, 20, "Ricetta 123");
    const PictureRecord& text = recorder.picture().records().back();
    EXPECT_EQ(text.rect, (Rect{10, 20, 10 + measured.width, 20 + measured.height}));

    recorder.picture().play(canvas, {0, 0, 200, 100});
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                EXPECT_TRUE(text.rect.contains({x, y})) << x << "," << y;
            }
}

TEST(PictureReplay, TurnedTextStaysInsideItsBounds) {
    for (int escapement : {900, 1800, 2700}) {
        QImage image = blank(120, 120);
        QPainter painter(&image);
        QPainterCanvas canvas(painter);
        PictureCanvas recorder({120, 120}, &canvas);
        Font f;
        f.name = "Courier New";
        f.height = 12;
        f.escapement = escapement;
        recorder.setFont(f);
        recorder.textOut(60, 60, "4711");
        const Rect bounds = recorder.picture().records().back().rect;
        recorder.picture().play(canvas, {0, 0, 120, 120});
        int dark = 0;
        for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 120; ++x)
                if (qGray(image.pixel(x, y)) < 128) {
                    ++dark;
                    EXPECT_TRUE(bounds.contains({x, y})) << escapement << ": " << x << "," << y;
                }
        EXPECT_GT(dark, 10);
    }
}

TEST(PictureReplay, NestedPictureClipStaysInsideTheCallersClip) {
    Picture inner({10, 10});
    PictureCanvas rec({10, 10});
    rec.setClipRect({0, 0, 10, 10});
    rec.setBrush(Brush{kBlack});
    rec.fillRect({0, 0, 10, 10});
    rec.clearClip();
    rec.fillRect({0, 0, 10, 10});
    inner = rec.takePicture();

    QImage image = blank(40, 40);
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    canvas.setClipRect({0, 0, 15, 15});
    canvas.drawPicture(inner, {0, 0, 30, 30});
    // Still clipped after the picture cleared its own clip.
    canvas.setBrush(Brush{kBlack});
    canvas.fillRect({0, 0, 40, 40});
    painter.end();
    EXPECT_EQ(qGray(image.pixel(14, 14)), 0);
    EXPECT_EQ(qGray(image.pixel(16, 16)), 255);
    EXPECT_EQ(qGray(image.pixel(39, 0)), 255);
}

}  // namespace
}  // namespace platform::qt
