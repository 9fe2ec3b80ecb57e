// The rectangle covered by a text written at a reference point, turned by an escapement.
#pragma once

#include "platform/Geometry.h"

namespace platform {

// origin: the unturned top-left corner; extent: the unturned size; escapement in tenths of a
// degree counter-clockwise. Returns the smallest whole-pixel rectangle holding the turned text.
Rect turnedTextBounds(Point origin, Size extent, int escapement);

}  // namespace platform
