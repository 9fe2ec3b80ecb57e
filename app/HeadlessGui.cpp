#include "app/HeadlessGui.h"

#include "platform/qt/FontSubstitutions.h"

namespace app {

std::unique_ptr<QGuiApplication> ensureGuiApplication() {
    if (QCoreApplication::instance() != nullptr) return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "quirelle";
    static char* argv[] = {name, nullptr};
    auto app = std::make_unique<QGuiApplication>(argc, argv);
    platform::qt::registerFontSubstitutions();
    return app;
}

}  // namespace app
