// The main window on a scratch folder of its own, shown and active: the set-up both window
// test suites share. DialogsType answers the window's messages and questions.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "gui/main_window/MainWindow.h"
#include "labels/LabelApp.h"
#include "labels/qt/QtFileLocker.h"

namespace main_window_test {

inline std::string readFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

template <typename DialogsType>
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        dir =
            std::filesystem::temp_directory_path() / ("quirelle-" + std::string(test->test_suite_name()) +
                                                      "-" + std::to_string(::getpid()) + "-" + test->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override {
        beforeWindowCloses();
        form.reset();
        labels.reset();
        std::filesystem::remove_all(dir);
    }
    // Writes cf0.txt when given, then opens the window on the folder as the program does.
    void start(const std::string& cf0 = "") {
        if (!cf0.empty()) std::ofstream(workDir() / "cf0.txt", std::ios::binary) << cf0;
        labels = std::make_unique<labels::LabelApp>(workDir(), locker);
        form = std::make_unique<gui::main_window::MainWindow>(*labels, dialogs);
        beforeStartUp();
        form->startUp();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        afterShown();
    }
    // The window's working folder: the scratch folder unless a test puts it elsewhere in it.
    virtual std::filesystem::path workDir() const { return dir; }
    virtual void beforeStartUp() {}
    virtual void afterShown() {}
    virtual void beforeWindowCloses() {}

    std::filesystem::path dir;
    labels::qt::QtFileLocker locker;
    DialogsType dialogs;
    std::unique_ptr<labels::LabelApp> labels;
    std::unique_ptr<gui::main_window::MainWindow> form;
};

}  // namespace main_window_test
