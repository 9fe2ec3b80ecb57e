// The preview window's position, size and maximized state, as kept between runs (see
// PreviewMemory) and as applied to a window.
#pragma once

#include <string>

class QWidget;

namespace gui::preview {

inline constexpr const char* kPreviewFormSection = "Form\\TfrPreviewForm";

struct FormBounds {
    int left = 0, top = 0, width = 0, height = 0;
    bool maximized = true;
};

// The window's normal-size bounds and maximized state.
FormBounds boundsOf(const QWidget& window);
// Sets the window's bounds, then shows it maximized or normal-size.
void showWithBounds(QWidget& window, const FormBounds& bounds);

}  // namespace gui::preview
