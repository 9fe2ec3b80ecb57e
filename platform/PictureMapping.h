// Maps the logical coordinates of a recorded picture onto a target rectangle.
// A point names a pixel cell, so it maps to the middle cell of its stretched area (the left
// one of the two middle cells when the area is an even number of cells wide): a pen scaled
// with the picture then covers the stretched area exactly. A rectangle edge maps to the
// stretched edge.
#pragma once

#include <cmath>

#include "platform/Canvas.h"
#include "platform/Rounding.h"

namespace platform {

class PictureMapping {
public:
    PictureMapping(Size logical, const Rect& into)
        : left_(into.left),
          top_(into.top),
          sx_(logical.width > 0 ? double(into.width()) / logical.width : 1.0),
          sy_(logical.height > 0 ? double(into.height()) / logical.height : 1.0) {}

    bool isIdentity() const { return sx_ == 1.0 && sy_ == 1.0 && left_ == 0 && top_ == 0; }

    Point cell(Point p) const {
        return {left_ + floorInt((p.x + 0.5) * sx_ - 0.5), top_ + floorInt((p.y + 0.5) * sy_ - 0.5)};
    }
    Point corner(Point p) const { return {edgeX(p.x), edgeY(p.y)}; }
    Rect rect(const Rect& r) const {
        int l = edgeX(r.left), rr = edgeX(r.right), t = edgeY(r.top), b = edgeY(r.bottom);
        return {std::min(l, rr), std::min(t, b), std::max(l, rr), std::max(t, b)};
    }
    // A zero-width pen means "one device pixel" at any scale; wider pens stretch.
    int penWidth(int w) const {
        return w < 1 ? w : std::max(1, roundInt(double(w) * (std::abs(sx_) + std::abs(sy_)) / 2));
    }
    int fontHeight(int h) const {
        if (h == 0) return 0;
        int scaled = std::max(1, roundInt(std::abs(double(h) * sy_)));
        return h < 0 ? -scaled : scaled;
    }
    int horizontal(int d) const { return roundInt(double(d) * std::abs(sx_)); }

private:
    static int floorInt(double v) { return floorToInt(v); }
    static int roundInt(double v) { return roundToInt(v); }
    int edgeX(int x) const { return left_ + roundInt(x * sx_); }
    int edgeY(int y) const { return top_ + roundInt(y * sy_); }

    int left_;
    int top_;
    double sx_;
    double sy_;
};

}  // namespace platform
