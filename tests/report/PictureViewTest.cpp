// Picture objects: JPEG through libjpeg, recorded pictures, undecodable data kept as stored.
#include <gtest/gtest.h>

#include "platform/FixedMetricsCanvas.h"
#include "platform/Picture.h"
#include "report/JpegCodec.h"
#include "report/PictureView.h"
#include "report/Report.h"

using namespace report;

namespace {

RasterImage halves(int w, int h) {
    RasterImage img{w, h, {}};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.pixels.push_back(x < w / 2 ? platform::rgb(255, 0, 0) : platform::rgb(0, 0, 255));
    return img;
}

bool near(platform::Color a, platform::Color b) {
    return std::abs(platform::redOf(a) - platform::redOf(b)) < 40 &&
           std::abs(platform::greenOf(a) - platform::greenOf(b)) < 40 &&
           std::abs(platform::blueOf(a) - platform::blueOf(b)) < 40;
}

}  // namespace

TEST(PictureView, JpegRoundTripThroughLibjpeg) {
    const Graphic g = Graphic::fromJpeg(halves(32, 16));
    ASSERT_EQ(g.kind, GraphicKind::Jpeg);
    auto back = g.raster(nullptr);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->width, 32);
    EXPECT_EQ(back->height, 16);
    EXPECT_TRUE(near(back->pixels[8 * 32 + 2], platform::rgb(255, 0, 0)));
    EXPECT_TRUE(near(back->pixels[8 * 32 + 29], platform::rgb(0, 0, 255)));
}

TEST(PictureView, DamagedJpegIsNotDecodedAndDoesNotStopTheProgram) {
    auto bytes = Graphic::fromJpeg(halves(16, 16)).bytes;
    EXPECT_FALSE(decodeJpeg({0xFF, 0xD8, 0xFF}).has_value());
    EXPECT_FALSE(decodeJpeg({1, 2, 3, 4}).has_value());
    bytes.resize(bytes.size() / 3);
    // A cut JPEG may decode partly or not at all; either way it returns.
    (void)decodeJpeg(bytes);
    EXPECT_FALSE(encodeJpeg(RasterImage{}).has_value());
}

TEST(PictureView, JpegPictureIsPaintedIntoItsRectangleAndSavedByteForByte) {
    Report r;
    auto view = std::make_unique<PictureView>();
    view->setName("Picture1");
    view->left = 10;
    view->top = 10;
    view->width = 20;
    view->height = 10;
    view->picture = Graphic::fromJpeg(halves(32, 16));
    const auto stored = view->picture.bytes;
    platform::FixedMetricsCanvas canvas;
    DrawEnvironment printing;
    printing.mode = DocumentMode::Printing;
    view->draw(canvas, printing);
    const auto fills = canvas.recordsOf(platform::PictureRecordKind::FillRect);
    ASSERT_FALSE(fills.empty());
    for (const auto& f : fills) {
        EXPECT_GE(f.rect.left, 10);
        EXPECT_LE(f.rect.right, 30);
        EXPECT_GE(f.rect.top, 10);
        EXPECT_LE(f.rect.bottom, 20);
    }
    r.addPage().addObject(std::move(view));
    const auto bytes = r.saveToStream();
    Report loaded;
    ASSERT_TRUE(loaded.loadFromStream(bytes));
    EXPECT_EQ(static_cast<PictureView&>(*loaded.page(0).objects()[0]).picture.bytes, stored);
    EXPECT_EQ(loaded.saveToStream(), bytes);
}

TEST(PictureView, RecordedPictureIsDrawnStretchedKeepingItsAspect) {
    platform::Picture picture(platform::Size{100, 50});
    platform::PictureRecord rec;
    rec.kind = platform::PictureRecordKind::FillRect;
    rec.rect = {0, 0, 100, 50};
    picture.append(rec);
    PictureView view;
    view.width = 60;
    view.height = 60;
    view.picture = Graphic::fromPicture(picture);
    ASSERT_NE(view.picture.metafile(), nullptr);
    const DrawGeometry at = view.prepareDraw(view.box(), {});
    EXPECT_EQ(view.pictureTarget(at, 100, 50), (platform::Rect{0, 0, 60, 30}));
    view.flags |= kPictureCenter;
    EXPECT_EQ(view.pictureTarget(at, 100, 50), (platform::Rect{0, 15, 60, 45}));
    view.flags &= static_cast<std::uint16_t>(~kPictureKeepAspect);
    EXPECT_EQ(view.pictureTarget(at, 100, 50), (platform::Rect{0, 0, 60, 60}));
}

TEST(PictureView, DataEndOutsideTheStreamIsAnError) {
    PictureView view;
    platform::ByteWriter out;
    view.saveToStream(out);
    auto bytes = out.take();
    // The data end is the last int32; point it past the end.
    bytes[bytes.size() - 4] = 0xFF;
    bytes[bytes.size() - 3] = 0x7F;
    PictureView back;
    platform::ByteReader in(bytes);
    EXPECT_THROW(back.loadFromStream(in, 24), platform::StreamError);
}
