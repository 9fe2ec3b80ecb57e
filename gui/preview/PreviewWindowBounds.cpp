#include "gui/preview/PreviewWindowBounds.h"

#include <QWidget>

namespace gui::preview {

FormBounds boundsOf(const QWidget& window) {
    const QRect r = window.isMaximized() ? window.normalGeometry() : window.geometry();
    return {r.x(), r.y(), r.width(), r.height(), window.isMaximized()};
}

void showWithBounds(QWidget& window, const FormBounds& bounds) {
    // A damaged or hostile value must not give a window too small to use or to see.
    if (bounds.width >= 100 && bounds.height >= 100)
        window.setGeometry(bounds.left, bounds.top, bounds.width, bounds.height);
    if (bounds.maximized)
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    else
        window.setWindowState(window.windowState() & ~Qt::WindowMaximized);
}

}  // namespace gui::preview
