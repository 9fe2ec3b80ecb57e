// Gives every Qt test program one QApplication (offscreen platform) with the program's font
// substitutions, created before the first test.
#include <gtest/gtest.h>
#include <QApplication>

#include "platform/qt/FontSubstitutions.h"

namespace {

class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "quirelle-tests";
        static char* argv[] = {name, nullptr};
        // Kept until the process ends: tearing Qt down before the test framework exits
        // crashes in the offscreen platform, and nothing needs it gone earlier.
        new QApplication(argc, argv);
        platform::qt::registerFontSubstitutions();
    }
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
