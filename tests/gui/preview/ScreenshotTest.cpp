// Pictures of the preview window on a multi-page label report at 100 % and at page width,
// written to the build folder for a person to look at; the test checks what a picture can:
// grey desk, white pages, the page text.
#include <gtest/gtest.h>
#include <QImage>
#include <QTest>

#include "gui/preview/PageBox.h"
#include "gui/preview/PreviewMemory.h"
#include "gui/preview/PreviewWindow.h"
#include "tests/gui/preview/PreviewTestPages.h"

namespace {

QImage shoot(gui::preview::PreviewWindow& form, int zoomTag, const char* name) {
    form.chooseZoom(zoomTag);
    QTest::qWait(20);
    const QImage image = form.grab().toImage();
    image.save(QStringLiteral(QUIRELLE_BINARY_DIR "/") + QLatin1String(name));
    return image;
}

TEST(PreviewScreenshot, LabelSheetsAt100PercentAndPageWidth) {
    preview_test::PrivateSettings settings;
    settings.memory.writeBounds({0, 0, 1280, 800, false});
    preview_test::TestPages t{4};
    gui::preview::PreviewOptions options;
    options.modal = false;
    gui::preview::PreviewWindow form(options, nullptr, settings.services());
    form.setWindowTitle(QStringLiteral("Anteprima"));
    form.showPreview(t.pages);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    for (auto [tag, name] : {std::pair{100, "preview-100.png"}, std::pair{1, "preview-page-width.png"}}) {
        const QImage image = shoot(form, tag, name);
        ASSERT_FALSE(image.isNull());
        const QPoint box = form.pageBox()->mapTo(&form, QPoint(0, 0));
        const platform::Rect first = form.pageBox()->layout().bounds[0];
        // The desk at the box's top-left corner, the first page's paper inside its frame.
        EXPECT_EQ(image.pixelColor(box + QPoint(3, 3)), QColor(128, 128, 128)) << name;
        EXPECT_EQ(image.pixelColor(box + QPoint(first.left + 2, first.top + 2)), QColor(Qt::white)) << name;
        EXPECT_EQ(image.pixelColor(box + QPoint(first.left, first.top + 5)), QColor(Qt::black)) << name;
    }
    EXPECT_EQ(form.pageText(), QStringLiteral("Pagina 1/4"));
}

}  // namespace
