// The zoom and zoom mode last chosen in any preview window; a new window starts with them.
#pragma once

#include "gui/preview/PreviewLayout.h"

namespace preview {

struct ZoomChoice {
    double zoom = 1.0;
    ZoomMode mode = ZoomMode::Fixed;
};

ZoomChoice lastZoomChoice();
void setLastZoomChoice(ZoomChoice choice);

}  // namespace preview
