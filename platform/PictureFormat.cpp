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
// A batch of bars is stored as one Polygon record per bar, so that the layout stays the one
// every earlier reader draws in full; reading gathers consecutive four-cornered polygons of
// one pen, brush and font back into one batch, which draws the same.
#include <algorithm>
#include <memory>
#include <span>

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
    w.countedString(s.font.name);
    w.i32(s.font.height);
    w.i32(s.font.style);
    w.u32(s.font.color);
    w.i32(s.font.escapement);
    w.i32(s.font.charset);
}

void writePicture(ByteWriter& w, const Picture& p);

void writeRecord(ByteWriter& w, const PictureRecord& r) {
    if (r.kind == PictureRecordKind::Bars) {
        PictureRecord bar;
        bar.kind = PictureRecordKind::Polygon;
        bar.state = r.state;
        for (std::size_t i = 0; i + 4 <= r.points.size(); i += 4) {
            bar.points.assign(r.points.begin() + std::ptrdiff_t(i), r.points.begin() + std::ptrdiff_t(i + 4));
            writeRecord(w, bar);
        }
        return;
    }
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
    w.countedString(r.text);
    w.i32(r.extraSpacing);
    const std::size_t nestedAt = w.position();
    w.u32(0);
    if (r.nested) {
        writePicture(w, *r.nested);
        w.patchU32(nestedAt, static_cast<std::uint32_t>(w.position() - nestedAt - 4));
    }
    w.patchU32(lengthAt, static_cast<std::uint32_t>(w.position() - start));
}

std::size_t storedRecordCount(const Picture& p) {
    std::size_t count = 0;
    for (const PictureRecord& r : p.records())
        count += r.kind == PictureRecordKind::Bars ? r.points.size() / 4 : 1;
    return count;
}

void writePicture(ByteWriter& w, const Picture& p) {
    w.append(kMagic);
    w.u16(kVersion);
    w.i32(p.size().width);
    w.i32(p.size().height);
    w.u32(static_cast<std::uint32_t>(storedRecordCount(p)));
    for (const PictureRecord& r : p.records()) writeRecord(w, r);
}

// Kinds that appear in the stored layout (a batch of bars never does).
bool isKnownKind(std::uint8_t k) {
    return k >= static_cast<std::uint8_t>(PictureRecordKind::Polygon) &&
           k <= static_cast<std::uint8_t>(PictureRecordKind::ClearClip);
}

bool isBar(const PictureRecord& r) {
    return r.kind == PictureRecordKind::Polygon && r.points.size() == 4;
}

// Appends a record, gathering a four-cornered polygon into the batch of bars before it when
// both have one state: the batch draws exactly what the separate polygons drew.
void appendGathered(std::vector<PictureRecord>& records, PictureRecord record) {
    if (isBar(record) && !records.empty()) {
        PictureRecord& last = records.back();
        if ((isBar(last) || last.kind == PictureRecordKind::Bars) && last.state == record.state) {
            last.kind = PictureRecordKind::Bars;
            last.points.insert(last.points.end(), record.points.begin(), record.points.end());
            return;
        }
    }
    records.push_back(std::move(record));
}

class PictureParser {
public:
    explicit PictureParser(std::string& error) : error_(error) {}

    bool parse(const std::uint8_t* data, std::size_t size, Picture& out, int depth) {
        if (depth > kMaxNesting) return fail("Picture nested too deeply");
        ByteReader in(data, size);
        if (in.remaining() < sizeof kMagic || !std::equal(kMagic, kMagic + 4, data))
            return fail("Not a picture");
        in.skip(sizeof kMagic);
        Size logical;
        std::uint32_t count = 0;
        try {
            const std::uint16_t version = in.u16();
            if (version == 0 || version > kVersion) return fail("Unsupported picture version");
            logical.width = in.i32();
            logical.height = in.i32();
            count = in.u32();
        } catch (const StreamError&) {
            return fail("Picture header truncated");
        }
        if (count > in.remaining() / kMinRecordBytes) return fail("Picture record count too large");
        if (!inRange(logical.width) || !inRange(logical.height)) return fail("Picture size out of range");

        std::vector<PictureRecord> records;
        for (std::uint32_t i = 0; i < count; ++i) {
            std::uint8_t kind = 0;
            std::span<const std::uint8_t> payload;
            try {
                kind = in.u8();
                payload = in.bytes(in.u32());
            } catch (const StreamError&) {
                return fail("Picture record truncated");
            }
            if (!isKnownKind(kind)) continue;
            PictureRecord record;
            record.kind = static_cast<PictureRecordKind>(kind);
            if (!parseRecord(ByteReader(payload), record, depth)) return false;
            appendGathered(records, std::move(record));
        }
        Picture picture(logical);
        for (PictureRecord& r : records) picture.append(std::move(r));
        out = std::move(picture);
        return true;
    }

private:
    bool parseRecord(ByteReader in, PictureRecord& r, int depth) {
        try {
            parseState(in, r.state);
        } catch (const StreamError&) {
            return fail("Picture record truncated");
        }
        if (!checkPen(r.state)) return fail("Picture pen invalid");
        std::uint32_t pointCount = 0;
        try {
            pointCount = in.u32();
        } catch (const StreamError&) {
            return fail("Picture points truncated");
        }
        if (pointCount > in.remaining() / 8) return fail("Picture points truncated");
        std::span<const std::uint8_t> nestedBytes;
        try {
            r.points.reserve(pointCount);
            for (std::uint32_t i = 0; i < pointCount; ++i) {
                const std::int32_t x = in.i32();
                r.points.push_back({x, in.i32()});
            }
            r.rect.left = in.i32();
            r.rect.top = in.i32();
            r.rect.right = in.i32();
            r.rect.bottom = in.i32();
            r.text = in.countedString();
            r.extraSpacing = in.i32();
            nestedBytes = in.bytes(in.u32());
        } catch (const StreamError&) {
            return fail("Picture record truncated");
        }
        if (!nestedBytes.empty()) {
            auto nested = std::make_shared<Picture>();
            if (!parse(nestedBytes.data(), nestedBytes.size(), *nested, depth + 1)) return false;
            r.nested = std::move(nested);
        }
        if (r.kind == PictureRecordKind::Picture && !r.nested) return fail("Picture record without picture");
        if (!inRange(r)) return fail("Picture coordinates out of range");
        return true;
    }

    // Reads the drawing state; the pen's style and mode bytes are checked by checkPen.
    void parseState(ByteReader& in, CanvasState& s) {
        s.pen.color = in.u32();
        s.pen.width = in.i32();
        penStyle_ = in.u8();
        penMode_ = in.u8();
        s.brush.color = in.u32();
        s.brush.clear = in.u8() != 0;
        s.font.name = in.countedString();
        s.font.height = in.i32();
        s.font.style = in.i32();
        s.font.color = in.u32();
        s.font.escapement = in.i32();
        s.font.charset = in.i32();
    }

    bool checkPen(CanvasState& s) const {
        if (penStyle_ > static_cast<std::uint8_t>(PenStyle::Clear) || penMode_ > 1) return false;
        s.pen.style = static_cast<PenStyle>(penStyle_);
        s.pen.mode = penMode_ == 0 ? PenMode::Copy : PenMode::Xor;
        return true;
    }

    bool fail(const char* message) {
        error_ = message;
        return false;
    }

    std::string& error_;
    std::uint8_t penStyle_ = 0;
    std::uint8_t penMode_ = 0;
};

}  // namespace

std::vector<std::uint8_t> Picture::serialize() const {
    ByteWriter w;
    writePicture(w, *this);
    return w.take();
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
