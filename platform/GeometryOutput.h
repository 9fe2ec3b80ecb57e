// Stream output of points, sizes and rectangles, so test failures show their values.
#pragma once

#include <ostream>

#include "platform/Geometry.h"

namespace platform {

inline std::ostream& operator<<(std::ostream& os, Point p) {
    return os << "(" << p.x << ", " << p.y << ")";
}
inline std::ostream& operator<<(std::ostream& os, Size s) {
    return os << s.width << " x " << s.height;
}
inline std::ostream& operator<<(std::ostream& os, const Rect& r) {
    return os << "[" << r.left << ", " << r.top << " - " << r.right << ", " << r.bottom << ")";
}

}  // namespace platform
