#include "gui/preview/PreviewZoom.h"

namespace preview {

namespace {
ZoomChoice g_last;
}

ZoomChoice lastZoomChoice() {
    return g_last;
}
void setLastZoomChoice(ZoomChoice choice) {
    g_last = choice;
}

}  // namespace preview
