// PictureView: a bitmap, metafile, icon or JPEG picture drawn into its rectangle.
#pragma once

#include "report/DecodedPicture.h"
#include "report/Graphic.h"
#include "report/View.h"

namespace report {

enum PictureFlag : std::uint16_t { kPictureCenter = 0x02, kPictureKeepAspect = 0x04 };

// BlobType: how a picture read from a data field is encoded.
enum class BlobType : std::uint8_t { Bmp = 0, Jpg = 1, Ico = 2, Wmf = 3 };

// Class name stored in template and prepared-report streams; never changes.
inline constexpr const char* kPictureViewClassName = "TfrPictureView";

class PictureView : public View {
public:
    PictureView();
    std::string className() const override { return kPictureViewClassName; }
    std::string baseName() const override { return "Picture"; }

    Graphic picture;
    BlobType blobType = BlobType::Bmp;

    bool setProperty(const std::string& propertyName, const PropertyValue& value) override;
    PropertyValue property(const std::string& propertyName) const override;
    std::vector<std::string> propertyNames() const override;

    void readRecord(platform::ByteReader& in, int version, RecordKind kind) override;
    void writeRecord(platform::ByteWriter& out, RecordKind kind, const RecordFields& fields) const override;
    void draw(platform::Canvas& canvas, const DrawEnvironment& env = {}) const override;

    // Target rectangle of a picture of the given size within a drawing, honouring Center and
    // KeepAspect.
    platform::Rect pictureTarget(const DrawGeometry& at, int pictureWidth, int pictureHeight) const;

private:
    // Decoded on the first drawing and kept; the picture itself does not change by drawing.
    mutable DecodedPicture decoded_;
};

// Paints decoded pixels stretched into target on any canvas (nearest pixel, runs of equal
// colour filled as rectangles). Only the part under the canvas clip is painted, and target
// rows or columns that show the same pixel are filled together, so the work is bounded by
// the picture's pixels and the visible area, not by the target's size.
void paintRaster(platform::Canvas& canvas, const RasterImage& image, const platform::Rect& target);

}  // namespace report
