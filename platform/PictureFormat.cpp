// The stored layout of a Picture, all integers little-endian:
//   magic "QVPX", uint16 version, int32 width, int32 height, uint32 record count,
//   then per record: uint8 kind, uint32 payload length, payload.
// Payload: pen (colour u32, width i32, style u8, mode u8), brush (colour u32, clear u8),
//   font (name string, height i32, style i32, colour u32, escapement i32, charset i32),
//   point count u32 + (x, y) i32 pairs, rect 4 × i32, text string, extra spacing i32,
//   nested picture: byte count u32 + a whole stored picture (0 bytes when none).
// Strings are a uint32 byte count and UTF-8 bytes. Readers skip unknown record kinds by
// their length and ignore payload bytes past the fields they know, so later versions can
// add record kinds and fields.
#include <memory>

#include "platform/ByteReader.h"
#include "platform/ByteWriter.h"
#include "platform/ClampedInt.h"
#include "platform/Picture.h"

namespace platform {

namespace {

constexpr std::uint8_t kMagic[4] = {'Q', 'V', 'P', 'X'};
constexpr std::uint16_t kVersion = 1;
// Nesting deeper than this is taken as a hostile file rather than a real drawing.
constexpr int kMaxNesting = 32;
constexpr std::size_t kMinRecordBytes = 5;

bool inRange(std::int32_t v) {
    return v >= -kCoordinateLimit && v <= kCoordinateLimit;
}

// Coordinates and sizes beyond any real surface are refused, so that arithmetic on them
// (widths, sums, scaling) can never overflow.
bool inRange(const PictureRecord& r) {
    for (Point p : r.points)
        if (!inRange(p.x) || !inRange(p.y)) return false;
    return inRange(r.rect.left) && inRange(r.rect.top) && inRange(r.rect.right) && inRange(r.rect.bottom) &&
           inRange(r.extraSpacing) && inRange(r.state.pen.width) && inRange(r.state.font.height);
}

void writeState(ByteWriter& w, const CanvasState& s) {
    w.u32(s.pen.color);
    w.i32(s.pen.width);
    w.u8(static_cast<std::uint8_t>(s.pen.style));
    w.u8(static_cast<std::uint8_t>(s.pen.mode));
    w.u32(s.brush.color);
    w.u8(s.brush.clear ? 1 : 0);
    w.string(s.font.name);
    w.i32(s.font.height);
    w.i32(s.font.style);
    w.u32(s.font.color);
    w.i32(s.font.escapement);
    w.i32(s.font.charset);
}

void writePicture(ByteWriter& w, const Picture& p);

void writeRecord(ByteWriter& w, const PictureRecord& r) {
    w.u8(static_cast<std::uint8_t>(r.kind));
    const std::size_t lengthAt = w.position();
    w.u32(0);
    const std::size_t start = w.position();
    writeState(w, r.state);
    w.u32(static_cast<std::uint32_t>(r.points.size()));
    for (Point p : r.points) {
        w.i32(p.x);
        w.i32(p.y);
    }
    w.i32(r.rect.left);
    w.i32(r.rect.top);
    w.i32(r.rect.right);
    w.i32(r.rect.bottom);
    w.string(r.text);
    w.i32(r.extraSpacing);
    const std::size_t nestedAt = w.position();
    w.u32(0);
    if (r.nested) {
        writePicture(w, *r.nested);
        w.patchU32(nestedAt, static_cast<std::uint32_t>(w.position() - nestedAt - 4));
    }
    w.patchU32(lengthAt, static_cast<std::uint32_t>(w.position() - start));
}

void writePicture(ByteWriter& w, const Picture& p) {
    w.bytes(kMagic, sizeof kMagic);
    w.u16(kVersion);
    w.i32(p.size().width);
    w.i32(p.size().height);
    w.u32(static_cast<std::uint32_t>(p.records().size()));
    for (const PictureRecord& r : p.records()) writeRecord(w, r);
}

bool isKnownKind(std::uint8_t k) {
    return k >= static_cast<std::uint8_t>(PictureRecordKind::Polygon) &&
           k <= static_cast<std::uint8_t>(PictureRecordKind::ClearClip);
}

class PictureParser {
public:
    explicit PictureParser(std::string& error) : error_(error) {}

    bool parse(const std::uint8_t* data, std::size_t size, Picture& out, int depth) {
        if (depth > kMaxNesting) return fail("Picture nested too deeply");
        ByteReader in(data, size);
        if (!in.require(sizeof kMagic) || !std::equal(kMagic, kMagic + 4, in.current()))
            return fail("Not a picture");
        in.skip(sizeof kMagic);
        const std::uint16_t version = in.u16();
        if (in.ok() && (version == 0 || version > kVersion)) return fail("Unsupported picture version");
        Size logical{in.i32(), in.i32()};
        const std::uint32_t count = in.u32();
        if (!in.ok()) return fail("Picture header truncated");
        if (count > in.remaining() / kMinRecordBytes) return fail("Picture record count too large");
        if (!inRange(logical.width) || !inRange(logical.height)) return fail("Picture size out of range");

        Picture picture(logical);
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::uint8_t kind = in.u8();
            const std::uint32_t length = in.u32();
            if (!in.ok() || length > in.remaining()) return fail("Picture record truncated");
            const std::uint8_t* payload = in.current();
            in.skip(length);
            if (!isKnownKind(kind)) continue;
            PictureRecord record;
            record.kind = static_cast<PictureRecordKind>(kind);
            if (!parseRecord(ByteReader(payload, length), record, depth)) return false;
            picture.append(std::move(record));
        }
        out = std::move(picture);
        return true;
    }

private:
    bool parseRecord(ByteReader in, PictureRecord& r, int depth) {
        if (!parseState(in, r.state)) return false;
        const std::uint32_t pointCount = in.u32();
        if (!in.ok() || pointCount > in.remaining() / 8) return fail("Picture points truncated");
        r.points.reserve(pointCount);
        for (std::uint32_t i = 0; i < pointCount; ++i) r.points.push_back({in.i32(), in.i32()});
        r.rect = {in.i32(), in.i32(), in.i32(), in.i32()};
        r.text = in.string();
        r.extraSpacing = in.i32();
        const std::uint32_t nestedBytes = in.u32();
        if (!in.ok() || nestedBytes > in.remaining()) return fail("Picture record truncated");
        if (nestedBytes > 0) {
            auto nested = std::make_shared<Picture>();
            if (!parse(in.current(), nestedBytes, *nested, depth + 1)) return false;
            r.nested = std::move(nested);
        }
        if (r.kind == PictureRecordKind::Picture && !r.nested) return fail("Picture record without picture");
        if (!inRange(r)) return fail("Picture coordinates out of range");
        return true;
    }

    bool parseState(ByteReader& in, CanvasState& s) {
        s.pen.color = in.u32();
        s.pen.width = in.i32();
        const std::uint8_t penStyle = in.u8();
        const std::uint8_t penMode = in.u8();
        s.brush.color = in.u32();
        s.brush.clear = in.u8() != 0;
        s.font.name = in.string();
        s.font.height = in.i32();
        s.font.style = in.i32();
        s.font.color = in.u32();
        s.font.escapement = in.i32();
        s.font.charset = in.i32();
        if (!in.ok()) return fail("Picture record truncated");
        if (penStyle > static_cast<std::uint8_t>(PenStyle::clear) || penMode > 1)
            return fail("Picture pen invalid");
        s.pen.style = static_cast<PenStyle>(penStyle);
        s.pen.mode = penMode == 0 ? PenMode::Copy : PenMode::Xor;
        return true;
    }

    bool fail(const char* message) {
        error_ = message;
        return false;
    }

    std::string& error_;
};

}  // namespace

std::vector<std::uint8_t> Picture::serialize() const {
    std::vector<std::uint8_t> out;
    ByteWriter w(out);
    writePicture(w, *this);
    return out;
}

bool Picture::deserialize(const std::uint8_t* data, std::size_t size, Picture& out, std::string& error) {
    if (data == nullptr && size > 0) {
        error = "Not a picture";
        return false;
    }
    static const std::uint8_t empty = 0;
    return PictureParser(error).parse(data ? data : &empty, size, out, 0);
}

}  // namespace platform
