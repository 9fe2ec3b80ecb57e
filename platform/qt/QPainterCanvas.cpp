#include "platform/qt/QPainterCanvas.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <algorithm>

#include "platform/Picture.h"
#include "platform/Utf8.h"
#include "platform/qt/QtConvert.h"

namespace platform::qt {

namespace {

// Dash patterns of the device-context pen styles, in pen widths.
QList<qreal> dashPattern(PenStyle style) {
    switch (style) {
        case PenStyle::Dash:
            return {18, 6};
        case PenStyle::Dot:
            return {3, 3};
        case PenStyle::DashDot:
            return {9, 6, 3, 6};
        case PenStyle::DashDotDot:
            return {9, 3, 3, 3, 3, 3};
        default:
            return {};
    }
}

// A zero-width pen draws one device pixel, like a one-pixel pen.
int penWidthOf(const Pen& p) {
    return std::max(1, p.width);
}
// Cells a pen covers before (left of or above) the cell it is centred on.
int cellsBefore(int penWidth) {
    return (penWidth - 1) / 2;
}

bool supportsRasterOps(QPainter& painter) {
    return painter.paintEngine() && painter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
}

// Shapes drawn with pixel centres at half-integers: a point names the cell around it.
const QPointF kCellCentre(0.5, 0.5);

QPolygonF cellPolygon(const std::vector<Point>& points) {
    QPolygonF poly;
    poly.reserve(qsizetype(points.size()));
    for (Point p : points) poly << QPointF(p.x, p.y) + kCellCentre;
    return poly;
}

// Corners on the bounding box and every edge horizontal or vertical: an upright rectangle,
// possibly one pixel thin (the usual bar of a barcode).
bool isUprightRectangle(const std::vector<Point>& pts, QRect& box) {
    if (pts.size() < 2 || pts.size() > 5) return false;
    auto [minX, maxX] =
        std::minmax_element(pts.begin(), pts.end(), [](Point a, Point b) { return a.x < b.x; });
    auto [minY, maxY] =
        std::minmax_element(pts.begin(), pts.end(), [](Point a, Point b) { return a.y < b.y; });
    for (std::size_t i = 0; i < pts.size(); ++i) {
        const Point p = pts[i], q = pts[(i + 1) % pts.size()];
        if ((p.x != minX->x && p.x != maxX->x) || (p.y != minY->y && p.y != maxY->y)) return false;
        if (p.x != q.x && p.y != q.y) return false;
    }
    box = QRect(QPoint(minX->x, minY->y), QPoint(maxX->x, maxY->y));
    return true;
}

// Twice the area enclosed, positive for one turning sense and negative for the other.
qreal signedArea(const QPolygonF& poly) {
    qreal sum = 0;
    for (qsizetype i = 0; i < poly.size(); ++i) {
        const QPointF a = poly[i], b = poly[(i + 1) % poly.size()];
        sum += a.x() * b.y() - b.x() * a.y();
    }
    return sum;
}

}  // namespace

QPainterCanvas::QPainterCanvas(QPainter& painter) : painter_(painter) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    // A clip the painter already has (e.g. a paint event's) is one this canvas stays inside.
    if (painter_.hasClipping())
        baseClip_ = painter_.worldTransform().mapRect(painter_.clipBoundingRect()).toAlignedRect();
}

void QPainterCanvas::fillDevice(const QRectF& r, Color color, PenMode mode) {
    if (mode == PenMode::Xor && supportsRasterOps(painter_)) {
        painter_.save();
        painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter_.fillRect(r, toQColor(color));
        painter_.restore();
        return;
    }
    painter_.fillRect(r, toQColor(color));
}

void QPainterCanvas::polygon(const std::vector<Point>& points) {
    if (points.empty()) return;
    const Pen& p = pen();
    const bool outlined = p.style != PenStyle::Clear;
    const bool filled = !brush().clear;
    QRect box;
    if (outlined && p.style == PenStyle::Solid && (!filled || brush().color == p.color) &&
        isUprightRectangle(points, box) && (filled || box.width() <= 2 || box.height() <= 2)) {
        // Filled (or too thin to have an inside) and outlined in one colour: one rectangle
        // from the outer edge of the outline on one side to the other.
        const int w = penWidthOf(p);
        const int before = cellsBefore(w);
        fillDevice(QRectF(box.left() - before, box.top() - before, box.width() - 1 + w, box.height() - 1 + w),
                   p.color, p.mode);
        return;
    }
    if (filled) {
        QPolygonF poly;
        for (Point pt : points) poly << QPointF(pt.x, pt.y);
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(toQColor(brush().color));
        painter_.drawPolygon(poly);
    }
    if (!outlined) return;
    if (p.style == PenStyle::Solid)
        outlinePolygon(points);
    else
        dashedPolygon(points);
}

void QPainterCanvas::bars(const std::vector<Point>& corners) {
    const Pen& p = pen();
    // In one opaque colour the bars paint their union whatever the order.
    const bool oneColour =
        p.style == PenStyle::Solid && p.mode == PenMode::Copy && !brush().clear && brush().color == p.color;
    if (!oneColour) {
        Canvas::bars(corners);
        return;
    }
    const int w = penWidthOf(p);
    const int before = cellsBefore(w);
    std::vector<QRectF> upright;
    std::vector<Point> turned;
    std::vector<Point> bar(4);
    for (std::size_t i = 0; i + 4 <= corners.size(); i += 4) {
        std::copy(corners.begin() + std::ptrdiff_t(i), corners.begin() + std::ptrdiff_t(i + 4), bar.begin());
        QRect box;
        if (isUprightRectangle(bar, box))
            upright.emplace_back(box.left() - before, box.top() - before, box.width() - 1 + w,
                                 box.height() - 1 + w);
        else
            turned.insert(turned.end(), bar.begin(), bar.end());
    }
    if (!upright.empty()) {
        // As polygon() does for one bar: the rectangle from the outline's outer edge on one side
        // to the other.
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(toQColor(p.color));
        fillRects(upright);
    }
    if (!turned.empty()) turnedBars(turned);
}

// Bars standing on one line with one length (a symbol's full bars) are drawn as strips of unit
// length from the first bar's edge, stretched into place: a vector device then stores small
// numbers for each bar and the placement once. Other runs are drawn as they are.
void QPainterCanvas::fillRects(std::vector<QRectF>& rects) {
    const QRectF first = rects.front();
    const bool oneLine = std::all_of(rects.begin(), rects.end(), [&](const QRectF& r) {
        return r.top() == first.top() && r.height() == first.height();
    });
    if (!oneLine || rects.size() < 2 || first.height() <= 0) {
        painter_.drawRects(rects.data(), static_cast<int>(rects.size()));
        return;
    }
    for (QRectF& r : rects) r = QRectF(r.left() - first.left(), 0, r.width(), 1);
    const QTransform saved = painter_.worldTransform();
    painter_.translate(first.left(), first.top());
    painter_.scale(1, first.height());
    painter_.drawRects(rects.data(), static_cast<int>(rects.size()));
    painter_.setWorldTransform(saved);
}

// The insides as one path, every bar turned the same way round so that overlaps add up
// instead of cancelling, then every outline as one band.
void QPainterCanvas::turnedBars(const std::vector<Point>& corners) {
    QPainterPath insides;
    insides.setFillRule(Qt::WindingFill);
    QPainterPath edges;
    std::vector<Point> bar(4);
    for (std::size_t i = 0; i + 4 <= corners.size(); i += 4) {
        std::copy(corners.begin() + std::ptrdiff_t(i), corners.begin() + std::ptrdiff_t(i + 4), bar.begin());
        QPolygonF poly;
        for (Point pt : bar) poly << QPointF(pt.x, pt.y);
        if (signedArea(poly) < 0) std::reverse(poly.begin(), poly.end());
        insides.addPolygon(poly);
        insides.closeSubpath();
        addOutlineEdges(bar, edges);
    }
    painter_.fillPath(insides, toQColor(brush().color));
    fillOutline(edges);
}

// Each edge is a band of the pen's width with square ends, so every corner cell is covered
// whatever the angle; zero-length edges become one pen-sized square.
void QPainterCanvas::outlinePolygon(const std::vector<Point>& points) {
    QPainterPath edges;
    addOutlineEdges(points, edges);
    fillOutline(edges);
}

void QPainterCanvas::addOutlineEdges(const std::vector<Point>& points, QPainterPath& edges) {
    const Pen& p = pen();
    const qreal w = penWidthOf(p);
    const QPolygonF poly = cellPolygon(points);
    for (qsizetype i = 0; i < poly.size(); ++i) {
        const QPointF a = poly[i], b = poly[(i + 1) % poly.size()];
        if (a == b) {
            fillDevice(QRectF(a.x() - w / 2, a.y() - w / 2, w, w), p.color, p.mode);
            continue;
        }
        edges.moveTo(a);
        edges.lineTo(b);
    }
}

void QPainterCanvas::fillOutline(const QPainterPath& edges) {
    if (edges.isEmpty()) return;
    const Pen& p = pen();
    QPainterPathStroker stroker;
    stroker.setWidth(penWidthOf(p));
    stroker.setCapStyle(Qt::SquareCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    const QPainterPath band = stroker.createStroke(edges);
    painter_.save();
    if (p.mode == PenMode::Xor && supportsRasterOps(painter_))
        painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter_.fillPath(band, toQColor(p.color));
    painter_.restore();
}

void QPainterCanvas::dashedPolygon(const std::vector<Point>& points) {
    QPen qpen(toQColor(pen().color), penWidthOf(pen()), Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    qpen.setDashPattern(dashPattern(pen().style));
    painter_.setPen(qpen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPolygon(cellPolygon(points));
}

void QPainterCanvas::line(Point a, Point b) {
    const Pen& p = pen();
    if (p.style == PenStyle::Clear || a == b) return;
    const int w = penWidthOf(p);
    const int across = -cellsBefore(w);
    if (p.style == PenStyle::Solid && (a.x == b.x || a.y == b.y)) {
        // The cells from a up to, not including, b.
        if (a.y == b.y) {
            const int from = a.x < b.x ? a.x : b.x + 1;
            fillDevice(QRectF(from, a.y + across, std::abs(b.x - a.x), w), p.color, p.mode);
        } else {
            const int from = a.y < b.y ? a.y : b.y + 1;
            fillDevice(QRectF(a.x + across, from, w, std::abs(b.y - a.y)), p.color, p.mode);
        }
        return;
    }
    QPen qpen(toQColor(p.color), w, Qt::SolidLine, Qt::FlatCap);
    if (p.style != PenStyle::Solid) {
        qpen.setStyle(Qt::CustomDashLine);
        qpen.setDashPattern(dashPattern(p.style));
    }
    painter_.save();
    if (p.mode == PenMode::Xor && supportsRasterOps(painter_))
        painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter_.setPen(qpen);
    painter_.drawLine(QPointF(a.x, a.y) + kCellCentre, QPointF(b.x, b.y) + kCellCentre);
    painter_.restore();
}

void QPainterCanvas::fillRect(const Rect& r) {
    if (r.isEmpty()) return;
    painter_.fillRect(QRectF(r.left, r.top, r.width(), r.height()), toQColor(brush().color));
}

void QPainterCanvas::invertRect(const Rect& r) {
    if (r.isEmpty()) return;
    painter_.save();
    if (supportsRasterOps(painter_)) {
        painter_.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter_.fillRect(QRectF(r.left, r.top, r.width(), r.height()), Qt::black);
    } else {
        painter_.setCompositionMode(QPainter::CompositionMode_Difference);
        painter_.fillRect(QRectF(r.left, r.top, r.width(), r.height()), Qt::white);
    }
    painter_.restore();
}

const QFont& QPainterCanvas::currentQFont() {
    if (qFontOf_ != font()) {
        qFont_ = toQFont(font());
        qFontOf_ = font();
    }
    return qFont_;
}

void QPainterCanvas::textOut(int x, int y, const std::string& utf8, int extraSpacing) {
    QFont qfont = currentQFont();
    if (extraSpacing != 0) qfont.setLetterSpacing(QFont::AbsoluteSpacing, extraSpacing);
    const QFontMetricsF metrics(qfont, painter_.device());
    painter_.save();
    painter_.setFont(qfont);
    painter_.setPen(toQColor(font().color));
    painter_.translate(x, y);
    if (font().escapement != 0) painter_.rotate(-font().escapement / 10.0);
    painter_.drawText(QPointF(0, metrics.ascent()), toQString(utf8));
    painter_.restore();
}

Size QPainterCanvas::textExtent(const std::string& utf8) {
    const QFontMetrics metrics(currentQFont(), painter_.device());
    return {metrics.horizontalAdvance(toQString(utf8)), metrics.height()};
}

void QPainterCanvas::drawPicture(const Picture& picture, const Rect& target) {
    const Size size = picture.size();
    const qreal sx = size.width > 0 ? qreal(target.width()) / size.width : 1.0;
    const qreal sy = size.height > 0 ? qreal(target.height()) / size.height : 1.0;
    if (sx == 0 || sy == 0) return;

    const auto savedLogical = clipLogical_;
    const auto savedDevice = clipDevice_;
    const auto savedBase = baseClip_;
    const QTransform savedTransform = painter_.worldTransform();
    const CanvasState savedState = saveState();

    baseClip_ = effectiveDeviceClip();
    clipDevice_.reset();
    clipLogical_.reset();
    painter_.translate(target.left, target.top);
    painter_.scale(sx, sy);
    picture.play(*this, Rect{0, 0, size.width, size.height});

    painter_.setWorldTransform(savedTransform);
    clipLogical_ = savedLogical;
    clipDevice_ = savedDevice;
    baseClip_ = savedBase;
    applyDeviceClip();
    restoreState(savedState);
}

std::optional<QRect> QPainterCanvas::effectiveDeviceClip() const {
    if (clipDevice_ && baseClip_) return clipDevice_->intersected(*baseClip_);
    return clipDevice_ ? clipDevice_ : baseClip_;
}

void QPainterCanvas::applyDeviceClip() {
    const auto clip = effectiveDeviceClip();
    if (!clip) {
        painter_.setClipping(false);
        return;
    }
    const QTransform transform = painter_.worldTransform();
    painter_.resetTransform();
    painter_.setClipRect(*clip);
    painter_.setWorldTransform(transform);
}

void QPainterCanvas::setClipRect(const Rect& r) {
    clipLogical_ = r;
    clipDevice_ =
        painter_.worldTransform().mapRect(QRectF(r.left, r.top, r.width(), r.height())).toAlignedRect();
    applyDeviceClip();
}

void QPainterCanvas::clearClip() {
    clipLogical_.reset();
    clipDevice_.reset();
    applyDeviceClip();
}

bool QPainterCanvas::rectVisible(const Rect& r) const {
    if (r.isEmpty()) return false;
    const QRect device =
        painter_.worldTransform().mapRect(QRectF(r.left, r.top, r.width(), r.height())).toAlignedRect();
    const auto clip = effectiveDeviceClip();
    return !clip || clip->intersects(device);
}

int QPainterCanvas::dpiX() const {
    return painter_.device() ? painter_.device()->logicalDpiX() : Canvas::dpiX();
}
int QPainterCanvas::dpiY() const {
    return painter_.device() ? painter_.device()->logicalDpiY() : Canvas::dpiY();
}

}  // namespace platform::qt
