// Reading files and replacing them atomically.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
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

// The replacement keeps the old file's mode and owner; a file nobody may write stays as it is.
TEST(ReplaceFileAtomically, KeepsModeAndOwnerAndLeavesAReadOnlyFileAlone) {
    TempDir dir;
    dir.write("cf0.txt", "OLD\r\n");
    const std::filesystem::path file = dir / "cf0.txt";
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    const bool otherOwner = ::getuid() == 0 && ::chown(file.c_str(), 65534, 65534) == 0;  // only root may
    replaceFileAtomically(file, "NEW\r\n");
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    if (otherOwner) {
        EXPECT_EQ(info.st_uid, 65534u);
        EXPECT_EQ(info.st_gid, 65534u);
    }

    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    try {
        replaceFileAtomically(file, "NEWER\r\n");
        ADD_FAILURE();
    } catch (const FileError& e) {
        EXPECT_STREQ(e.what(), "cf0.txt: il file \xC3\xA8 in sola lettura");
    }
    EXPECT_EQ(dir.read("cf0.txt"), "NEW\r\n");
    EXPECT_EQ(dir.fileCount(), 1);
}

TEST(ReplaceFileAtomically, MissingDirectoryIsReported) {
    TempDir dir;
    EXPECT_THROW(replaceFileAtomically(dir / "no-such-dir" / "cf0.txt", "A"), FileError);
}

}  // namespace
}  // namespace labels
