#include "platform/Canvas.h"

#include "platform/Picture.h"

namespace platform {

void Canvas::drawPicture(const Picture& picture, const Rect& target) {
    picture.play(*this, target);
}

}  // namespace platform
