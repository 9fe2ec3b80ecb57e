// The window icon is the drawing the package installs for the desktop entry, and the linker
// keeps it in the program although nothing names its resource object.
#include <gtest/gtest.h>

#include <QFile>
#include <QSvgRenderer>

namespace app {
namespace {

TEST(ProgramIconTest, WindowIconIsTheInstalledIcon) {
    QFile embedded(":/quirelle/icon.svg");
    ASSERT_TRUE(embedded.open(QIODevice::ReadOnly));
    QFile installed(QUIRELLE_SOURCE_DIR "/packaging/it.vellumo.quirelle.svg");
    ASSERT_TRUE(installed.open(QIODevice::ReadOnly));
    const QByteArray drawing = embedded.readAll();
    EXPECT_EQ(drawing, installed.readAll());
    EXPECT_TRUE(QSvgRenderer(drawing).isValid());
}

}  // namespace
}  // namespace app
