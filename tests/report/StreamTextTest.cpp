// Basic encodings of the template stream: strings, string lists, frame widths, reads past the end.
#include <gtest/gtest.h>

#include "report/StreamText.h"
#include "report/View.h"

using namespace report;

namespace {

std::vector<std::uint8_t> listBytes(const std::vector<std::string>& lines) {
    platform::ByteWriter out;
    writeStringList(out, lines);
    return out.bytes();
}

}  // namespace

TEST(StreamText, StringListLayouts) {
    EXPECT_EQ(listBytes({}), (std::vector<std::uint8_t>{0, 0, 0}));
    EXPECT_EQ(listBytes({"A", "B"}), (std::vector<std::uint8_t>{2, 0, 1, 0, 'A', 13, 1, 0, 'B', 0}));
    EXPECT_EQ(listBytes({""}), (std::vector<std::uint8_t>{1, 0, 0, 0, 0}));
}

TEST(StreamText, StringListsReadBackInBothLayouts) {
    struct Case {
        std::vector<std::uint8_t> bytes;
        int version;
        std::vector<std::string> lines;
    } cases[] = {
        {{0, 0, 0}, 24, {}},
        {{2, 0, 1, 0, 'A', 13, 1, 0, 'B', 0}, 24, {"A", "B"}},
        // The count is only tested for 0: lines run to the 0 separator.
        {{9, 0, 1, 0, 'A', 13, 1, 0, 'B', 0}, 23, {"A", "B"}},
        {{'A', 13, 'B', 0}, 22, {"A", "B"}},
        {{'A', 13, 0}, 21, {"A"}},  // a final empty line is dropped
        {{0}, 21, {}},
    };
    for (const auto& c : cases) {
        platform::ByteReader in(c.bytes);
        EXPECT_EQ(readStringList(in, c.version), c.lines);
        EXPECT_TRUE(in.atEnd());
    }
}

TEST(StreamText, StringsAreWindows1252InTheStream) {
    platform::ByteWriter out;
    writeString(out, "Proprietà €");
    const std::vector<std::uint8_t> want = {11,  0,   'P', 'r',  'o', 'p',  'r',
                                            'i', 'e', 't', 0xE0, ' ', 0x80, 0};
    EXPECT_EQ(out.bytes(), want);
    platform::ByteReader in(out.bytes());
    EXPECT_EQ(readString(in, 24), "Proprietà €");
    const std::vector<std::uint8_t> old = {'S', 'i', ' ', 0xE8, 0};
    platform::ByteReader oldIn(old);
    EXPECT_EQ(readString(oldIn, 22), "Si è");
}

TEST(StreamText, ReadsPastTheEndThrowInsteadOfOverReading) {
    const std::vector<std::uint8_t> shortString = {5, 0, 'a', 'b'};
    platform::ByteReader a(shortString);
    EXPECT_THROW(readString(a, 24), platform::StreamError);
    const std::vector<std::uint8_t> unterminated = {'a', 'b'};
    platform::ByteReader b(unterminated);
    EXPECT_THROW(readString(b, 21), platform::StreamError);
    const std::vector<std::uint8_t> listWithoutEnd = {1, 0, 1, 0, 'A', 13};
    platform::ByteReader c(listWithoutEnd);
    EXPECT_THROW(readStringList(c, 24), platform::StreamError);
    platform::ByteReader d(listWithoutEnd);
    EXPECT_THROW(d.seek(7), platform::StreamError);
}

TEST(StreamText, FrameWidths) {
    struct Case {
        double width;
        std::int32_t stored;
    } cases[] = {{0.5, 500}, {3, 3}, {1, 1}, {10, 10}, {1.25, 1250}, {20, 20000}};
    for (const auto& c : cases) {
        EXPECT_EQ(encodeFrameWidth(c.width), c.stored) << c.width;
        EXPECT_DOUBLE_EQ(decodeFrameWidth(c.stored), c.width) << c.width;
    }
}
