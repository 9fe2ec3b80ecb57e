// Painting (images, PDF) needs a GUI application object even without a display; headless
// subcommands make one on the offscreen platform.
#pragma once

#include <QGuiApplication>
#include <memory>

namespace app {

// A new application object with the program's font substitutions, or null when one exists.
std::unique_ptr<QGuiApplication> ensureGuiApplication();

}  // namespace app
