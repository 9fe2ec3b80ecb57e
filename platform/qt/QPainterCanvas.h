// A Canvas over a QPainter: draws on QImage, QSvgGenerator, QPdfWriter or QPrinter with the
// pixel rules of a device context. Integer coordinates name pixel cells; a filled polygon with
// a same-colour 1-pixel outline covers its corner cells inclusive; lines leave out their end
// cell; filled rectangles exclude their right and bottom edges. A pen w pixels wide covers
// (w - 1) / 2 cells (rounded down) before the cell of a point and the rest after it. Shapes are drawn without
// antialiasing so that bar edges land on whole device pixels.
#pragma once

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRect>
#include <optional>

#include "platform/Canvas.h"

namespace platform::qt {

class QPainterCanvas : public platform::Canvas {
public:
    // The painter is borrowed and must be active; it is left with this canvas's settings.
    explicit QPainterCanvas(QPainter& painter);

    QPainter& painter() { return painter_; }

    void polygon(const std::vector<Point>& points) override;
    // Bars filled and outlined in one colour go out as one batch: the upright ones as one
    // batch of rectangles, the turned ones as one filled path and one outline band. Other pens
    // and brushes draw polygon by polygon, as the order then matters.
    void bars(const std::vector<Point>& corners) override;
    void line(Point a, Point b) override;
    void fillRect(const Rect& r) override;
    void invertRect(const Rect& r) override;
    void textOut(int x, int y, const std::string& utf8, int extraSpacing = 0) override;
    Size textExtent(const std::string& utf8) override;
    // Stretches the picture through the painter's transform, so that scaled shapes keep their
    // exact proportions and text is scaled as a whole.
    void drawPicture(const Picture& picture, const Rect& target) override;

    void setClipRect(const Rect& r) override;
    void clearClip() override;
    bool rectVisible(const Rect& r) const override;
    std::optional<Rect> currentClip() const override { return clipLogical_; }

    int dpiX() const override;
    int dpiY() const override;

private:
    void outlinePolygon(const std::vector<Point>& points);
    void addOutlineEdges(const std::vector<Point>& points, QPainterPath& edges);
    void fillOutline(const QPainterPath& edges);
    void turnedBars(const std::vector<Point>& corners);
    void fillRects(std::vector<QRectF>& rects);
    void dashedPolygon(const std::vector<Point>& points);
    void fillDevice(const QRectF& r, Color color, PenMode mode);
    std::optional<QRect> effectiveDeviceClip() const;
    const QFont& currentQFont();
    void applyDeviceClip();

    QPainter& painter_;
    // Clip set at the current playback level, in its coordinates.
    std::optional<Rect> clipLogical_;
    // Device clip of the current level, and the clip inherited from the picture being played.
    std::optional<QRect> clipDevice_;
    std::optional<QRect> baseClip_;
    // The Qt font of the last font used: labels write text after text in one font, and a new
    // QFont would be looked up in the font database each time.
    std::optional<Font> qFontOf_;
    QFont qFont_;
};

}  // namespace platform::qt
