// Every test of this program runs with one QApplication (fonts, clipboard and widgets need it).
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/qt/FontSubstitutions.h"

namespace {

class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "test_platform_qt";
        static char* argv[] = {name, nullptr};
        // Kept until the process ends: tearing Qt down before the test framework exits
        // crashes in the offscreen platform, and nothing needs it gone earlier.
        app_ = new QApplication(argc, argv);
        platform::qt::registerFontSubstitutions();
    }
    void TearDown() override { delete app_; }

private:
    QApplication* app_ = nullptr;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace

// Qt and fontconfig keep a few process-wide allocations for good; under the leak checker of
// sanitizer builds they are not ours to report.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libQt6Core\nleak:libQt6Gui\nleak:libQt6Widgets\nleak:libfontconfig\n";
}
