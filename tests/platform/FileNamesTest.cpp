// A file's extension and a number put before it: dots in folder names and a leading dot (a
// hidden file) are not extensions.
#include "platform/FileNames.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(FileNames, ExtensionAndNumberAgreeOnWhereTheNameEnds) {
    const struct {
        const char* path;
        const char* extension;
        const char* numbered;
    } cases[] = {
        {"out.pdf", "pdf", "out-2.pdf"},      {"/tmp/OUT.PNG", "png", "/tmp/OUT-2.PNG"},
        {"a.b.frp", "frp", "a.b-2.frp"},      {"/tmp/x.y/out", "", "/tmp/x.y/out-2"},
        {"/tmp/.pdf", "", "/tmp/.pdf-2"},     {".hidden.pdf", "pdf", ".hidden-2.pdf"},
        {"noextension", "", "noextension-2"}, {"", "", "-2"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lowerCaseExtension(c.path), c.extension) << c.path;
        EXPECT_EQ(withNumberBeforeExtension(c.path, 2), c.numbered) << c.path;
    }
}

}  // namespace
}  // namespace platform
