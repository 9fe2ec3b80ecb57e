#include "gui/preview/PreviewWindowBounds.h"

#include <QWidget>
#include <memory>

#include "platform/qt/UserSettings.h"

namespace preview {

namespace {

std::string g_iniPath;

std::unique_ptr<platform::qt::UserSettings> openSettings() {
    if (g_iniPath.empty()) return std::make_unique<platform::qt::UserSettings>(kPreviewFormSection);
    return std::make_unique<platform::qt::UserSettings>(g_iniPath, kPreviewFormSection);
}

}  // namespace

void setPreviewSettingsFile(const std::string& iniPath) {
    g_iniPath = iniPath;
}

FormBounds readFormBounds(const FormBounds& defaults) {
    const auto settings = openSettings();
    FormBounds b;
    b.maximized = settings->readBool("Maximized", true);
    b.left = settings->readInteger("XPosition", defaults.left);
    b.top = settings->readInteger("YPosition", defaults.top);
    b.width = settings->readInteger("Width", defaults.width);
    b.height = settings->readInteger("Height", defaults.height);
    return b;
}

void writeFormBounds(const FormBounds& bounds) {
    const auto settings = openSettings();
    settings->writeInteger("XPosition", bounds.left);
    settings->writeInteger("YPosition", bounds.top);
    settings->writeInteger("Width", bounds.width);
    settings->writeInteger("Height", bounds.height);
    settings->writeBool("Maximized", bounds.maximized);
    settings->flush();
}

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

}  // namespace preview
