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
        new QApplication(argc, argv);
        platform::qt::registerFontSubstitutions();
    }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
