// Reading files and replacing them atomically.
#include <gtest/gtest.h>
#include "FileSizeLimit.h"
#include "TempDir.h"
#include "labels/AppError.h"
#include "labels/TextFile.h"

namespace labels {
namespace {

using testing::FileSizeLimit;
using testing::TempDir;

TEST(ReadFileBytes, MissingFileAndDirectoryAreFileErrors) {
    TempDir dir;
    try {
        readFileBytes(dir / "absent.txt");
        ADD_FAILURE();
    } catch (const FileError& e) {
        EXPECT_STREQ(e.what(), "absent.txt: file non trovato");
    }
    try {
        readFileBytes(dir / ".");
        ADD_FAILURE();
    } catch (const FileError& e) {
        EXPECT_EQ(e.cause, "\xC3\xA8 una cartella");
    }
    dir.write("a.txt", std::string("A\0B", 3));
    EXPECT_EQ(readFileBytes(dir / "a.txt"), std::string("A\0B", 3));
}

TEST(ReplaceFileAtomically, ReplacesAndLeavesNoTemporaryFile) {
    TempDir dir;
    dir.write("cf0.txt", "OLD\r\n");
    replaceFileAtomically(dir / "cf0.txt", "NEW\r\n");
    EXPECT_EQ(dir.read("cf0.txt"), "NEW\r\n");
    EXPECT_EQ(dir.fileCount(), 1);
}

TEST(ReplaceFileAtomically, FailedWriteKeepsTheOldFile) {
    TempDir dir;
    dir.write("cf0.txt", "OLD\r\n");
    {
        FileSizeLimit limit(4);
        EXPECT_THROW(replaceFileAtomically(dir / "cf0.txt", std::string(100, 'A')), FileError);
    }
    EXPECT_EQ(dir.read("cf0.txt"), "OLD\r\n");
    EXPECT_EQ(dir.fileCount(), 1);
}

TEST(ReplaceFileAtomically, MissingDirectoryIsReported) {
    TempDir dir;
    EXPECT_THROW(replaceFileAtomically(dir / "no-such-dir" / "cf0.txt", "A"), FileError);
}

}  // namespace
}  // namespace labels
