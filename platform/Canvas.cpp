#include "platform/Canvas.h"

#include <algorithm>

#include "platform/Picture.h"

namespace platform {

void Canvas::bars(const std::vector<Point>& corners) {
    std::vector<Point> one(4);
    for (std::size_t i = 0; i + 4 <= corners.size(); i += 4) {
        std::copy(corners.begin() + std::ptrdiff_t(i), corners.begin() + std::ptrdiff_t(i + 4), one.begin());
        polygon(one);
    }
}

void Canvas::drawPicture(const Picture& picture, const Rect& target) {
    picture.play(*this, target);
}

}  // namespace platform
