// The folder of the code files on a start from the desktop menu: the codes of an existing
// folder are never hidden, and a new user gets Documenti/Quirelle.
#include "app/DesktopCodeFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/labels/TempDir.h"

namespace app {
namespace {

namespace fs = std::filesystem;
using labels::testing::TempDir;

class DesktopCodeFolderTest : public ::testing::Test {
protected:
    DesktopCodeFolderTest() {
        fs::create_directory(home());
        fs::create_directory(documents());
    }
    fs::path home() const { return root_ / "home"; }
    fs::path documents() const { return root_ / "home" / "Documenti"; }
    fs::path programFolder() const { return documents() / "Quirelle"; }
    static void put(const fs::path& file) { std::ofstream(file) << "RSSMRA85T10A562S\r\n"; }
    fs::path choose() const { return desktopCodeFolder(home(), documents()); }

    TempDir root_;
};

TEST_F(DesktopCodeFolderTest, NewUserGetsProgramFolderMadeInDocuments) {
    EXPECT_EQ(choose(), programFolder());
    EXPECT_TRUE(fs::is_directory(programFolder()));
    // A second start finds it again.
    EXPECT_EQ(choose(), programFolder());
}

TEST_F(DesktopCodeFolderTest, AnyCodeFileInHomeKeepsHomeAndMakesNothing) {
    for (const char* name : {"cf0.txt", "ESENZIONI.txt", "OXY.txt"}) {
        SCOPED_TRACE(name);
        put(home() / name);
        EXPECT_EQ(choose(), home());
        EXPECT_FALSE(fs::exists(programFolder()));
        fs::remove(home() / name);
    }
    // A link whose target is missing (a share not mounted yet) still marks the folder as the
    // office's: the window then reports the file instead of starting empty elsewhere.
    fs::create_symlink("/nonexistent/cf0.txt", home() / "cf0.txt");
    EXPECT_EQ(choose(), home());
}

TEST_F(DesktopCodeFolderTest, ProgramFolderHoldingCodesWinsOverHome) {
    fs::create_directory(programFolder());
    put(programFolder() / "ESENZIONI.txt");
    put(home() / "cf0.txt");
    EXPECT_EQ(choose(), programFolder());
}

TEST_F(DesktopCodeFolderTest, EmptyProgramFolderDoesNotHideCodesInHome) {
    fs::create_directory(programFolder());
    put(home() / "OXY.txt");
    EXPECT_EQ(choose(), home());
}

TEST_F(DesktopCodeFolderTest, WithoutDocumentsFolderHomeIsUsedAndNothingIsMade) {
    fs::remove(documents());
    EXPECT_EQ(choose(), home());
    EXPECT_FALSE(fs::exists(documents()));
    EXPECT_EQ(desktopCodeFolder(home(), fs::path()), home());
}

TEST_F(DesktopCodeFolderTest, ProgramFolderThatCannotBeMadeFallsBackToHome) {
    // A file where the folder should be: it cannot be created and the file stays as it was.
    put(programFolder());
    EXPECT_EQ(choose(), home());
    EXPECT_TRUE(fs::is_regular_file(programFolder()));
}

}  // namespace
}  // namespace app
