// The preview window's position, size and maximized state, kept between runs in the per-user
// settings, section "Form\TfrPreviewForm".
#pragma once

#include <string>

class QWidget;

namespace preview {

inline constexpr const char* kPreviewFormSection = "Form\\TfrPreviewForm";

// Tests point the settings at a file of their own; "" = the user's settings.
void setPreviewSettingsFile(const std::string& iniPath);

struct FormBounds {
    int left = 0, top = 0, width = 0, height = 0;
    bool maximized = true;
};

FormBounds readFormBounds(const FormBounds& defaults);
void writeFormBounds(const FormBounds& bounds);

// The window's normal-size bounds and maximized state.
FormBounds boundsOf(const QWidget& window);
// Sets the window's bounds, then shows it maximized or normal-size.
void showWithBounds(QWidget& window, const FormBounds& bounds);

}  // namespace preview
