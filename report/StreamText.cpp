#include "report/StreamText.h"

#include <limits>

#include "platform/Cp1252.h"

namespace report {
namespace {

constexpr std::uint8_t kLineSeparator = 13;

std::string bytesToText(std::span<const std::uint8_t> raw) {
    return platform::cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(raw.data()), raw.size()));
}

std::string readZeroTerminated(platform::ByteReader& in) {
    std::string raw;
    for (std::uint8_t b = in.u8(); b != 0; b = in.u8()) raw += static_cast<char>(b);
    return platform::cp1252ToUtf8(raw);
}

std::string readCounted(platform::ByteReader& in) {
    std::uint16_t length = in.u16();
    std::string text = bytesToText(in.bytes(length));
    in.u8();  // the terminating 0
    return text;
}

void writeCountedBytes(platform::ByteWriter& out, const std::string& bytes) {
    // Longer texts cannot be expressed by the 16-bit length; they are cut rather than
    // written with a length that disagrees with the bytes.
    std::size_t n = std::min<std::size_t>(bytes.size(), std::numeric_limits<std::uint16_t>::max());
    out.u16(static_cast<std::uint16_t>(n));
    out.append({reinterpret_cast<const std::uint8_t*>(bytes.data()), n});
}

std::vector<std::string> readOldList(platform::ByteReader& in) {
    std::vector<std::string> lines;
    std::string current;
    for (std::uint8_t b = in.u8(); b != 0; b = in.u8()) {
        if (b == kLineSeparator) {
            lines.push_back(platform::cp1252ToUtf8(current));
            current.clear();
        } else {
            current += static_cast<char>(b);
        }
    }
    // A final empty line before the terminating 0 is dropped.
    if (!current.empty()) lines.push_back(platform::cp1252ToUtf8(current));
    return lines;
}

std::vector<std::string> readCountedList(platform::ByteReader& in) {
    std::vector<std::string> lines;
    if (in.u16() == 0) {
        in.u8();
        return lines;
    }
    // The count is only tested for 0: lines run until a separator byte 0.
    for (;;) {
        std::uint16_t length = in.u16();
        lines.push_back(bytesToText(in.bytes(length)));
        if (in.u8() == 0) return lines;
    }
}

}  // namespace

std::string readString(platform::ByteReader& in, int version) {
    return version >= kFirstCountedStringVersion ? readCounted(in) : readZeroTerminated(in);
}

void writeString(platform::ByteWriter& out, const std::string& utf8) {
    writeCountedBytes(out, platform::utf8ToCp1252(utf8));
    out.u8(0);
}

std::vector<std::string> readStringList(platform::ByteReader& in, int version) {
    return version >= kFirstCountedStringVersion ? readCountedList(in) : readOldList(in);
}

void writeStringList(platform::ByteWriter& out, const std::vector<std::string>& lines) {
    std::size_t count = std::min<std::size_t>(lines.size(), std::numeric_limits<std::uint16_t>::max());
    out.u16(static_cast<std::uint16_t>(count));
    if (count == 0) {
        out.u8(0);
        return;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        writeCountedBytes(out, platform::utf8ToCp1252(lines[i]));
        out.u8(i + 1 < lines.size() ? kLineSeparator : 0);
    }
}

std::string readShortString(platform::ByteReader& in) {
    return bytesToText(in.bytes(in.u8()));
}

}  // namespace report
