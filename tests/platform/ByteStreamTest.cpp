// The one byte reader and writer: little-endian round trips, and reads past the end that throw
// instead of over-reading or allocating by a hostile count.
#include <gtest/gtest.h>

#include <limits>

#include "platform/ByteReader.h"
#include "platform/ByteWriter.h"

namespace platform {
namespace {

TEST(ByteStream, WrittenValuesReadBackInOrder) {
    ByteWriter w;
    w.u8(0xAB);
    w.i16(-2);
    w.u32(0xDEADBEEF);
    w.i32(std::numeric_limits<std::int32_t>::min());
    w.f64(-1.25);
    w.countedString("Però");
    const std::size_t patchAt = w.position();
    w.i32(0);
    w.patchI32(patchAt, 42);
    const std::vector<std::uint8_t> bytes = w.take();
    EXPECT_EQ(bytes[1], 0xFE);  // little-endian: low byte first

    ByteReader r(bytes);
    EXPECT_EQ(r.u8(), 0xAB);
    EXPECT_EQ(r.i16(), -2);
    EXPECT_EQ(r.u32(), 0xDEADBEEFu);
    EXPECT_EQ(r.i32(), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(r.f64(), -1.25);
    EXPECT_EQ(r.countedString(), "Però");
    EXPECT_EQ(r.i32(), 42);
    EXPECT_TRUE(r.atEnd());
}

TEST(ByteStream, ShortReadsThrowAndLeaveThePositionAlone) {
    const std::vector<std::uint8_t> bytes = {1, 2, 3};
    ByteReader r(bytes);
    EXPECT_THROW(r.u32(), StreamError);
    EXPECT_EQ(r.position(), 0u);
    EXPECT_THROW(r.f64(), StreamError);
    EXPECT_THROW(r.bytes(4), StreamError);
    EXPECT_THROW(r.skip(std::numeric_limits<std::size_t>::max()), StreamError);
    EXPECT_THROW(r.seek(4), StreamError);
    r.seek(3);
    EXPECT_THROW(r.u8(), StreamError);
    try {
        ByteReader(bytes).i32();
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {  // every stream failure is one of the program's errors
        EXPECT_STREQ(e.what(), "Errore di lettura: dati incompleti o danneggiati");  // shown to the operator
    }
}

TEST(ByteStream, HostileStringCountFailsBeforeAllocating) {
    ByteWriter w;
    w.u32(0xFFFFFFF0u);
    w.u8('x');
    ByteReader r(w.bytes());
    EXPECT_THROW(r.countedString(), StreamError);
}

TEST(ByteStream, PatchOutsideTheWrittenBytesIsRefused) {
    ByteWriter w;
    w.u16(1);
    EXPECT_THROW(w.patchU32(0, 7), std::out_of_range);
    EXPECT_THROW(w.patchU32(std::numeric_limits<std::size_t>::max() - 1, 7), std::out_of_range);
}

}  // namespace
}  // namespace platform
