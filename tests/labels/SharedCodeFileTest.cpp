// Two running copies of the program on one working directory: each saves cf0.txt under a lock
// and merges with what the other wrote since it read the file.
#include <gtest/gtest.h>

#include "TempDir.h"
#include "labels/AppError.h"
#include "labels/LabelApp.h"
#include "labels/qt/QtFileLocker.h"

namespace labels {
namespace {

using testing::TempDir;

class SharedCodeFileTest : public ::testing::TestWithParam<bool> {
protected:
    std::unique_ptr<LabelApp> startCopy() {
        auto copy = std::make_unique<LabelApp>(dir.path(), locker);
        EXPECT_EQ(copy->start(), "");
        return copy;
    }
    static void remove(LabelApp& copy, const std::string& code) {
        copy.seekFiscalCode(code);
        ASSERT_EQ(copy.currentFiscalCode(), code);
        copy.deleteCurrentFiscalCode();
    }

    TempDir dir;
    labels::qt::QtFileLocker locker;
};

// Parameter: whether the first copy closes first.
TEST_P(SharedCodeFileTest, FileEndsWithTheUnionOfAdditionsMinusTheDeletions) {
    dir.write("cf0.txt", "KEEP\r\nGONE1\r\nGONE2\r\n");
    auto first = startCopy();
    auto second = startCopy();
    first->saveFiscalCode("ADD1");
    remove(*first, "GONE1");
    second->saveFiscalCode("ADD2");
    second->saveFiscalCode("ADD3");
    remove(*second, "GONE2");
    remove(*second, "ADD3");

    if (GetParam()) {
        first->exitCommand();
        second->exitCommand();
    } else {
        second->exitCommand();
        first->exitCommand();
    }
    EXPECT_EQ(dir.read("cf0.txt"), "ADD1\r\nADD2\r\nKEEP\r\n");
    EXPECT_EQ(dir.fileCount(), 1);  // no lock file left behind
}

INSTANTIATE_TEST_SUITE_P(EitherOrder, SharedCodeFileTest, ::testing::Bool());

TEST(SharedCodeFile, LockHeldByAnotherCopyIsReportedAndTheListKept) {
    TempDir dir;
    labels::qt::QtFileLocker locker;
    LabelApp copy(dir.path(), locker);
    copy.start();
    copy.saveFiscalCode("ADD1");
    {
        const auto other = locker.lock(dir / "cf0.txt", std::chrono::milliseconds(0));
        ASSERT_TRUE(other);
        try {
            copy.exitCommand();
            ADD_FAILURE() << "saved while another copy held the lock";
        } catch (const AppError& e) {
            EXPECT_NE(std::string(e.what()).find("cf0.txt"), std::string::npos) << e.what();
        }
        EXPECT_EQ(dir.read("cf0.txt"), "");
        EXPECT_TRUE(copy.codesDirty());
    }
    copy.exitCommand();  // the other copy is done: the list kept in memory is written
    EXPECT_EQ(dir.read("cf0.txt"), "ADD1\r\n");
}

}  // namespace
}  // namespace labels
