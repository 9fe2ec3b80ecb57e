// A sheet of prescription labels painted by the preview at zooms from 10 % to 400 %: no
// symbol's dark pixels fall outside the object's box on the page, so neighbouring labels keep
// their quiet zones and nothing runs past the page edge.
#include <gtest/gtest.h>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "barcode_object/BarcodeObject.h"
#include "gui/preview/PageBox.h"
#include "gui/preview/PreviewMemory.h"
#include "gui/preview/PreviewWindow.h"
#include "labels/LabelApp.h"
#include "labels/LabelReports.h"
#include "labels/qt/QtFileLocker.h"
#include "prepared/TextSearch.h"
#include "tests/gui/preview/PreviewTestPages.h"

namespace {

// The series template prepared for March 2019: 53 codes and the closing one on one sheet.
struct SeriesSheet {
    QTemporaryDir dir;
    labels::qt::QtFileLocker locker;
    labels::LabelApp labelApp{dir.path().toStdString(), locker};
    report::CollectingErrorReporter errors;
    std::unique_ptr<labels::LabelReports> reports;

    SeriesSheet() {
        labelApp.fillSeries(2019, 2, labels::SeriesLength::Short, labels::ClosingKind::YearBased);
        reports =
            std::make_unique<labels::LabelReports>(labelApp.printList(), &labelApp.fiscalCodes(), errors);
        reports->prepare(1);
    }
    prepared::PreparedPages& pages() { return reports->pages(1); }
};

int roundHalfEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}

// The boxes of the barcode objects as the page painting placed them: the box each object
// covers, scaled as the page scales its content into `content` and moved to its corner, rounded
// as every report object rounds its rectangle.
std::vector<QRect> symbolBoxes(prepared::PreparedPages& pages, const platform::Rect& content) {
    std::vector<QRect> boxes;
    const prepared::PreparedPage& page = pages.page(0);
    if (!page.loadedPage) return boxes;
    const double sx = static_cast<double>(content.width()) / page.geometry.paperWidthPx;
    const double sy = static_cast<double>(content.height()) / page.geometry.paperHeightPx;
    for (const auto& object : page.loadedPage->objects()) {
        if (!dynamic_cast<const barcode_object::BarcodeObject*>(object.get())) continue;
        const report::ViewBox drawn = object->drawnBox();
        const int left = content.left + roundHalfEven(drawn.left * sx);
        const int top = content.top + roundHalfEven(drawn.top * sy);
        const int right = left + roundHalfEven(drawn.width * sx);
        const int bottom = top + roundHalfEven(drawn.height * sy);
        boxes.emplace_back(QPoint(left, top), QPoint(right - 1, bottom - 1));
    }
    return boxes;
}

bool isDark(QRgb pixel) {
    return qGray(pixel) < 128;
}

}  // namespace

TEST(PreviewSymbolBoxes, NoDarkPixelOfASymbolOutsideItsBoxAtAnyZoom) {
    preview_test::PrivateSettings settings;
    settings.memory.writeBounds({0, 0, 1280, 800, false});
    SeriesSheet sheet;
    ASSERT_EQ(sheet.pages().count(), 1);
    gui::preview::PreviewOptions options;
    options.modal = false;
    gui::preview::PreviewWindow form(options, nullptr, settings.services());
    form.showPreview(sheet.pages());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    for (int percent : {10, 25, 50, 75, 100, 200, 400}) {
        SCOPED_TRACE(std::to_string(percent) + " %");
        form.chooseZoom(percent);
        QTest::qWait(20);
        const QImage image = form.pageBox()->grab().toImage();
        // The page's inside, without its frame and shadow, as far as the view shows it.
        const platform::Rect page = form.pageBox()->layout().bounds.at(0);
        const int scrolledX = form.pageBox()->horizontalPosition(),
                  scrolledY = form.pageBox()->verticalPosition();
        const platform::Rect frame{page.left - scrolledX, page.top - scrolledY, page.right - scrolledX,
                                   page.bottom - scrolledY};
        const std::vector<QRect> boxes = symbolBoxes(
            sheet.pages(), prepared::pageContentRect(sheet.pages().page(0), frame, form.pageBox()->zoom()));
        ASSERT_EQ(boxes.size(), 54u);
        const QRect inside = QRect(QPoint(page.left + 2 - scrolledX, page.top + 2 - scrolledY),
                                   QPoint(page.right - 3 - scrolledX, page.bottom - 3 - scrolledY))
                                 .intersected(image.rect());
        int outside = 0, within = 0;
        QPoint firstOutside;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x) {
                if (!isDark(image.pixel(x, y))) continue;
                bool inABox = false;
                for (const QRect& box : boxes) inABox = inABox || box.contains(x, y);
                if (inABox) {
                    ++within;
                } else if (outside++ == 0) {
                    firstOutside = QPoint(x, y);
                }
            }
        EXPECT_EQ(outside, 0) << "first at " << firstOutside.x() << "," << firstOutside.y();
        EXPECT_GT(within, 0);
        image.save(QStringLiteral(QUIRELLE_BINARY_DIR "/preview-symbols-%1.png").arg(percent));
    }
}
