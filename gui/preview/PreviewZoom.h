// A zoom and zoom mode chosen in a preview window.
#pragma once

#include "gui/preview/PreviewLayout.h"

namespace gui::preview {

struct ZoomChoice {
    double zoom = 1.0;
    ZoomMode mode = ZoomMode::Fixed;
};

}  // namespace gui::preview
