// Bars handed over as one batch: the same pixels as drawing them polygon by polygon, in one
// call to the paint engine with the pen and brush set once.
#include <gtest/gtest.h>

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <cmath>
#include <functional>

#include "platform/qt/QPainterCanvas.h"

namespace platform::qt {
namespace {

QImage paint(const std::function<void(QPainterCanvas&)>& draw) {
    QImage image(120, 90, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    draw(canvas);
    painter.end();
    return image;
}

// Bars of a symbol turned by `degrees` about (60, 45): widths 1..3 with gaps of 1 and 2.
std::vector<Point> turnedBars(double degrees) {
    const double a = degrees * 3.14159265358979 / 180, s = std::sin(a), c = std::cos(a);
    const auto at = [&](double x, double y) {
        return Point{static_cast<int>(std::lround(60 + (x - 20) * c + (y - 15) * s)),
                     static_cast<int>(std::lround(45 - (x - 20) * s + (y - 15) * c))};
    };
    std::vector<Point> corners;
    double x = 0;
    for (int width : {1, 2, 3, 1, 2, 3, 1}) {
        for (auto [px, py] : {std::pair{x, 0.0}, {x, 30.0}, {x + width - 1, 30.0}, {x + width - 1, 0.0}})
            corners.push_back(at(px, py));
        x += width + 1 + (width % 2);
    }
    return corners;
}

void onePolygonAtATime(Canvas& c, const std::vector<Point>& corners) {
    for (std::size_t i = 0; i + 4 <= corners.size(); i += 4)
        c.polygon(
            std::vector<Point>(corners.begin() + std::ptrdiff_t(i), corners.begin() + std::ptrdiff_t(i + 4)));
}

TEST(BarsBatch, PaintsWhatThePolygonsPaintOneByOne) {
    const struct {
        const char* name;
        Pen pen;
        Brush brush;
    } states[] = {
        {"one colour", Pen{kBlack, 1}, Brush{kBlack}},
        {"wide pen", Pen{rgb(0, 0, 200), 3}, Brush{rgb(0, 0, 200)}},
        {"outline of another colour", Pen{kBlack, 1}, Brush{rgb(200, 0, 0)}},
        {"no fill", Pen{kBlack, 1}, Brush{kBlack, true}},
        {"xor pen", Pen{kWhite, 1, PenStyle::Solid, PenMode::Xor}, Brush{kWhite}},
    };
    for (double degrees : {0.0, 90.0, 180.0, 30.0, 135.0}) {
        const std::vector<Point> corners = turnedBars(degrees);
        for (const auto& state : states) {
            const auto drawWith = [&](const std::function<void(QPainterCanvas&)>& draw) {
                return paint([&](QPainterCanvas& c) {
                    c.setPen(state.pen);
                    c.setBrush(state.brush);
                    draw(c);
                });
            };
            const QImage batch = drawWith([&](QPainterCanvas& c) { c.bars(corners); });
            const QImage single = drawWith([&](QPainterCanvas& c) { onePolygonAtATime(c, corners); });
            EXPECT_EQ(batch, single) << state.name << " at " << degrees << " degrees";
        }
    }
}

// Counts what reaches the paint engine.
class CountingEngine : public QPaintEngine {
public:
    CountingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override {
        if (state.state() & QPaintEngine::DirtyBrush) ++brushChanges;
        if (state.state() & QPaintEngine::DirtyTransform) transform = state.transform();
    }
    void drawRects(const QRectF* rects, int count) override {
        ++rectBatches;
        for (int i = 0; i < count; ++i) painted.push_back(transform.mapRect(rects[i]));
    }
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override { ++polygons; }
    void drawPath(const QPainterPath&) override { ++paths; }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    Type type() const override { return QPaintEngine::User; }

    int brushChanges = 0;
    int rectBatches = 0;
    int polygons = 0;
    int paths = 0;
    QTransform transform;
    std::vector<QRectF> painted;  // on the device
};

class CountingDevice : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return &engine; }
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
            case PdmWidth:
            case PdmHeight:
                return 1000;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return 1200;
            case PdmDepth:
                return 32;
            default:
                return QPaintDevice::metric(m);
        }
    }
    mutable CountingEngine engine;
};

TEST(BarsBatch, UprightBarsReachTheEngineAsOneBatchOfRectangles) {
    CountingDevice device;
    QPainter painter(&device);
    QPainterCanvas canvas(painter);
    canvas.setPen(Pen{kBlack, 1});
    canvas.setBrush(Brush{kBlack});
    device.engine.brushChanges = 0;
    canvas.bars(turnedBars(0));
    painter.end();
    EXPECT_EQ(device.engine.rectBatches, 1);
    EXPECT_EQ(device.engine.brushChanges, 1);
    EXPECT_EQ(device.engine.polygons + device.engine.paths, 0);
    ASSERT_EQ(device.engine.painted.size(), 7u);
    // A bar from column 40 to 40 inclusive, rows 30 to 60 inclusive: the cells it covers; the
    // next, two wide, from column 43.
    EXPECT_EQ(device.engine.painted[0], QRectF(40, 30, 1, 31));
    EXPECT_EQ(device.engine.painted[1], QRectF(43, 30, 2, 31));
}

}  // namespace
}  // namespace platform::qt
