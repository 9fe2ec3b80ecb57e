// Stored pictures: exact round trips, and hostile bytes that must give an error, not a crash.
#include <gtest/gtest.h>

#include <random>

#include "platform/ByteReader.h"
#include "platform/ByteWriter.h"
#include "platform/ClampedInt.h"
#include "platform/FixedMetricsCanvas.h"
#include "platform/GeometryOutput.h"
#include "platform/Picture.h"

namespace platform {
namespace {

Picture sample() {
    FixedMetricsCanvas inner({16, 16});
    inner.setPen(Pen{rgb(1, 2, 3), 2, PenStyle::DashDot, PenMode::Xor});
    inner.line({0, 0}, {15, 15});

    FixedMetricsCanvas c({300, 120});
    c.setPen(Pen{kBlack, 1});
    c.setBrush(Brush{kBlack});
    c.polygon({{0, 0}, {0, 40}, {1, 40}, {1, 0}});
    c.setBrush(Brush{kWhite, true});
    c.fillRect({-5, 2, 7, 9});
    c.invertRect({1, 1, 4, 4});
    Font f{"Courier New", -12, kBold | kItalic, rgb(9, 8, 7), 900, 238};
    c.setFont(f);
    c.textOut(10, 20, "Però €5", 2);
    c.drawPicture(inner.picture(), {5, 5, 37, 37});
    c.setClipRect({0, 0, 100, 100});
    c.clearClip();
    return c.picture();
}

void expectSame(const Picture& a, const Picture& b) {
    ASSERT_EQ(a.size(), b.size());
    ASSERT_EQ(a.records().size(), b.records().size());
    for (std::size_t i = 0; i < a.records().size(); ++i) {
        const PictureRecord &x = a.records()[i], &y = b.records()[i];
        EXPECT_EQ(x.kind, y.kind) << i;
        EXPECT_EQ(x.state.pen, y.state.pen) << i;
        EXPECT_EQ(x.state.brush, y.state.brush) << i;
        EXPECT_EQ(x.state.font, y.state.font) << i;
        EXPECT_EQ(x.points, y.points) << i;
        EXPECT_EQ(x.rect, y.rect) << i;
        EXPECT_EQ(x.text, y.text) << i;
        EXPECT_EQ(x.extraSpacing, y.extraSpacing) << i;
        ASSERT_EQ(x.nested == nullptr, y.nested == nullptr) << i;
        if (x.nested) expectSame(*x.nested, *y.nested);
    }
}

bool load(const std::vector<std::uint8_t>& bytes, Picture& out, std::string& error) {
    return Picture::deserialize(bytes.data(), bytes.size(), out, error);
}

TEST(PictureFormat, RoundTripKeepsEveryRecordAndIsByteExact) {
    const Picture original = sample();
    const auto bytes = original.serialize();
    Picture loaded;
    std::string error;
    ASSERT_TRUE(load(bytes, loaded, error)) << error;
    expectSame(original, loaded);
    EXPECT_EQ(loaded.serialize(), bytes);
}

// Three bars of one state as a batch, then two more in another colour.
Picture barsSample() {
    FixedMetricsCanvas c({100, 50});
    c.setPen(Pen{kBlack, 1});
    c.setBrush(Brush{kBlack});
    c.bars({{0, 0},
            {0, 40},
            {1, 40},
            {1, 0},
            {3, 0},
            {3, 40},
            {3, 40},
            {3, 0},
            {5, 0},
            {5, 40},
            {8, 40},
            {8, 0}});
    c.setPen(Pen{kWhite, 1});
    c.setBrush(Brush{kWhite});
    c.bars({{10, 0}, {10, 40}, {11, 40}, {11, 0}, {20, 0}, {20, 40}, {21, 40}, {21, 0}});
    return c.picture();
}

TEST(PictureFormat, BarsAreStoredAsOnePolygonEachAndReadBackAsOneBatch) {
    const Picture original = barsSample();
    ASSERT_EQ(original.records().size(), 2u);
    const auto bytes = original.serialize();
    // The stored layout is the one earlier readers know: five polygon records.
    ByteReader in(bytes.data(), bytes.size());
    in.skip(4 + 2 + 4 + 4);
    ASSERT_EQ(in.u32(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(in.u8(), static_cast<std::uint8_t>(PictureRecordKind::Polygon)) << i;
        in.skip(in.u32());
    }
    EXPECT_TRUE(in.atEnd());

    Picture loaded;
    std::string error;
    ASSERT_TRUE(load(bytes, loaded, error)) << error;
    expectSame(original, loaded);
    EXPECT_EQ(loaded.serialize(), bytes);
}

TEST(PictureFormat, OnlyFourCorneredPolygonsOfOneStateInARowAreGathered) {
    FixedMetricsCanvas c({100, 50});
    c.setPen(Pen{kBlack, 1});
    c.setBrush(Brush{kBlack});
    c.polygon({{0, 0}, {0, 4}, {1, 4}, {1, 0}});
    c.polygon({{2, 0}, {2, 4}, {3, 4}, {3, 0}});  // joins the first
    c.polygon({{0, 0}, {4, 4}, {0, 4}});          // three corners: alone
    c.polygon({{5, 0}, {5, 4}, {6, 4}, {6, 0}});
    c.setBrush(Brush{kBlack, true});
    c.polygon({{7, 0}, {7, 4}, {8, 4}, {8, 0}});  // another brush: alone
    c.fillRect({0, 0, 1, 1});
    Picture loaded;
    std::string error;
    ASSERT_TRUE(load(c.picture().serialize(), loaded, error)) << error;
    const auto& r = loaded.records();
    ASSERT_EQ(r.size(), 5u);
    EXPECT_EQ(r[0].kind, PictureRecordKind::Bars);
    EXPECT_EQ(r[0].points.size(), 8u);
    EXPECT_EQ(r[1].kind, PictureRecordKind::Polygon);
    EXPECT_EQ(r[2].kind, PictureRecordKind::Polygon);
    EXPECT_EQ(r[3].kind, PictureRecordKind::Polygon);
    EXPECT_TRUE(r[3].state.brush.clear);
    EXPECT_EQ(r[4].kind, PictureRecordKind::FillRect);
}

TEST(PictureFormat, EmptyPictureRoundTrips) {
    Picture loaded({1, 1});
    std::string error;
    ASSERT_TRUE(load(Picture({7, 9}).serialize(), loaded, error)) << error;
    EXPECT_EQ(loaded.size(), (Size{7, 9}));
    EXPECT_TRUE(loaded.records().empty());
}

TEST(PictureFormat, UnknownRecordKindsAreSkipped) {
    auto bytes = Picture({10, 10}).serialize();
    // Record count 1 → 3, then an unknown kind 200 with 3 payload bytes around a real record.
    bytes[14] = 3;
    for (std::uint8_t b : {200, 3, 0, 0, 0, 0xAA, 0xBB, 0xCC}) bytes.push_back(b);
    FixedMetricsCanvas c;
    c.fillRect({1, 2, 3, 4});
    const auto one = c.picture().serialize();
    bytes.insert(bytes.end(), one.begin() + 18, one.end());
    for (std::uint8_t b : {99, 0, 0, 0, 0}) bytes.push_back(b);
    Picture loaded;
    std::string error;
    ASSERT_TRUE(load(bytes, loaded, error)) << error;
    ASSERT_EQ(loaded.records().size(), 1u);
    EXPECT_EQ(loaded.records()[0].rect, (Rect{1, 2, 3, 4}));
}

TEST(PictureFormat, MalformedHeadersGiveAnError) {
    const auto good = sample().serialize();
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {"empty", {}},
        {"wrong magic",
         [&] {
             auto b = good;
             b[0] = 'X';
             return b;
         }()},
        {"version 0",
         [&] {
             auto b = good;
             b[4] = 0;
             return b;
         }()},
        {"future version",
         [&] {
             auto b = good;
             b[4] = 2;
             return b;
         }()},
        {"huge record count",
         [&] {
             auto b = good;
             b[17] = 0xFF;
             return b;
         }()},
        {"record longer than file",
         [&] {
             auto b = good;
             b[22] = 0x7F;
             return b;
         }()},
    };
    for (const Case& k : cases) {
        Picture out;
        std::string error;
        EXPECT_FALSE(load(k.bytes, out, error)) << k.name;
        EXPECT_FALSE(error.empty()) << k.name;
    }
}

TEST(PictureFormat, EveryTruncationIsRejected) {
    const auto bytes = sample().serialize();
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + std::ptrdiff_t(n));
        Picture out;
        std::string error;
        EXPECT_FALSE(load(cut, out, error)) << "cut at " << n;
    }
}

TEST(PictureFormat, RandomCorruptionNeverCrashes) {
    const auto bytes = sample().serialize();
    for (unsigned seed = 1; seed <= 2000; ++seed) {
        std::mt19937 random(seed);
        auto damaged = bytes;
        const int flips = 1 + int(random() % 8);
        for (int i = 0; i < flips; ++i)
            damaged[random() % damaged.size()] ^= std::uint8_t(1u << (random() % 8));
        Picture out;
        std::string error;
        if (!load(damaged, out, error)) {
            EXPECT_FALSE(error.empty()) << "seed " << seed;
        }
    }
}

TEST(PictureFormat, DeeplyNestedPicturesAreRefused) {
    Picture p({1, 1});
    for (int depth = 0; depth < 40; ++depth) {
        FixedMetricsCanvas c({1, 1});
        c.drawPicture(p, {0, 0, 1, 1});
        p = c.picture();
    }
    Picture out;
    std::string error;
    EXPECT_FALSE(load(p.serialize(), out, error));
    EXPECT_EQ(error, "Picture nested too deeply");
}

TEST(PictureFormat, PointCountBeyondTheRecordIsRejectedBeforeAllocating) {
    ByteWriter w;
    for (char c : {'Q', 'V', 'P', 'X'}) w.u8(std::uint8_t(c));
    w.u16(1);
    w.i32(1);
    w.i32(1);
    w.u32(1);
    w.u8(1);  // polygon
    const std::size_t lengthAt = w.position();
    w.u32(0);
    w.u32(0);  // pen colour, width, style, mode
    w.i32(1);
    w.u8(0);
    w.u8(0);
    w.u32(0);  // brush colour, clear
    w.u8(0);
    w.countedString("Arial");  // font name, height, style, colour, escapement, charset
    for (int i = 0; i < 5; ++i) w.i32(0);
    w.u32(0x7FFFFFFF);  // point count
    w.patchU32(lengthAt, std::uint32_t(w.position() - lengthAt - 4));
    const std::vector<std::uint8_t> bytes = w.take();
    Picture out;
    std::string error;
    EXPECT_FALSE(load(bytes, out, error));
}

}  // namespace
}  // namespace platform

namespace platform {
namespace {

TEST(PictureFormat, CoordinatesBeyondAnySurfaceAreRefused) {
    for (int bad : {kCoordinateLimit + 1, -kCoordinateLimit - 1, std::numeric_limits<int>::min()}) {
        FixedMetricsCanvas c({10, 10});
        c.fillRect({0, 0, bad, 5});
        Picture out;
        std::string error;
        EXPECT_FALSE(load(c.picture().serialize(), out, error)) << bad;
        EXPECT_EQ(error, "Picture coordinates out of range");
    }
}

TEST(PictureFormat, ExtremeValuesPlayWithoutOverflow) {
    FixedMetricsCanvas c({1, 1});
    c.setFont(Font{"Arial", kCoordinateLimit});
    c.textOut(kCoordinateLimit, -kCoordinateLimit, "WWWW", kCoordinateLimit);
    c.setPen(Pen{kBlack, kCoordinateLimit});
    c.polygon({{kCoordinateLimit, kCoordinateLimit}});
    FixedMetricsCanvas target;
    c.picture().play(target, {0, 0, 100000, 100000});
    EXPECT_EQ(target.records().size(), 2u);
}

}  // namespace
}  // namespace platform
