#include "gui/preview/PreviewMemory.h"

#include <memory>

#include "platform/qt/UserSettings.h"

namespace gui::preview {

namespace {

std::unique_ptr<platform::qt::UserSettings> openSettings(const std::string& file) {
    if (file.empty()) return std::make_unique<platform::qt::UserSettings>(kPreviewFormSection);
    return std::make_unique<platform::qt::UserSettings>(file, kPreviewFormSection);
}

}  // namespace

FormBounds PreviewMemory::readBounds(const FormBounds& defaults) const {
    const auto settings = openSettings(settingsFile_);
    FormBounds b;
    b.maximized = settings->readBool("Maximized", true);
    b.left = settings->readInteger("XPosition", defaults.left);
    b.top = settings->readInteger("YPosition", defaults.top);
    b.width = settings->readInteger("Width", defaults.width);
    b.height = settings->readInteger("Height", defaults.height);
    return b;
}

void PreviewMemory::writeBounds(const FormBounds& bounds) const {
    const auto settings = openSettings(settingsFile_);
    settings->writeInteger("XPosition", bounds.left);
    settings->writeInteger("YPosition", bounds.top);
    settings->writeInteger("Width", bounds.width);
    settings->writeInteger("Height", bounds.height);
    settings->writeBool("Maximized", bounds.maximized);
    settings->flush();
}

}  // namespace gui::preview
