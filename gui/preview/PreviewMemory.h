// What preview windows remember: the window's bounds, kept between runs in the per-user
// settings (section "Form\TfrPreviewForm") or in a settings file of the caller's, and the
// zoom last chosen in any window, which the next window starts with. The program keeps one
// for all its windows; a window given none keeps its own over the user's settings.
#pragma once

#include <string>

#include "gui/preview/PreviewWindowBounds.h"
#include "gui/preview/PreviewZoom.h"

namespace gui::preview {

class PreviewMemory {
public:
    // "" = the user's settings.
    explicit PreviewMemory(std::string settingsFile = {}) : settingsFile_(std::move(settingsFile)) {}

    FormBounds readBounds(const FormBounds& defaults) const;
    void writeBounds(const FormBounds& bounds) const;

    ZoomChoice lastZoom() const { return lastZoom_; }
    void setLastZoom(ZoomChoice choice) { lastZoom_ = choice; }

private:
    std::string settingsFile_;
    ZoomChoice lastZoom_;
};

}  // namespace gui::preview
