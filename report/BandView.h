// BandView: a band of a template page. Its band type is held in FrameTyp, its data source
// or group condition in FormatText.
#pragma once

#include "report/View.h"

namespace report {

enum BandFlag : std::uint16_t {
    kBandStretched = 0x01,
    kBandFormNewPage = 0x02,
    kBandPrintIfSubsetEmpty = 0x04,
    kBandBreakable = 0x08,
    kBandOnFirstPage = 0x10,
    kBandOnLastPage = 0x20,
    kBandRepeatHeader = 0x40,
    kBandPrintChildIfInvisible = 0x80,
};

enum BandTypeCode : int {
    kBandReportTitle = 0,
    kBandReportSummary,
    kBandPageHeader,
    kBandPageFooter,
    kBandMasterHeader,
    kBandMasterData,
    kBandMasterFooter,
    kBandDetailHeader,
    kBandDetailData,
    kBandDetailFooter,
    kBandSubDetailHeader,
    kBandSubDetailData,
    kBandSubDetailFooter,
    kBandOverlay,
    kBandColumnHeader,
    kBandColumnFooter,
    kBandGroupHeader,
    kBandGroupFooter,
    kBandCrossHeader,
    kBandCrossData,
    kBandCrossFooter,
    kBandChild,
    kBandNone,
};

// Class name stored in template and prepared-report streams; never changes.
inline constexpr const char* kBandViewClassName = "TfrBandView";

class BandView : public View {
public:
    BandView();
    std::string className() const override { return kBandViewClassName; }
    std::string baseName() const override { return "Band"; }

    int bandType() const { return frameTyp; }
    void setBandType(int type) { frameTyp = static_cast<std::uint16_t>(type); }
    const std::string& dataSource() const { return formatText; }

    std::string childBand;
    std::string master;
    int columns = 1;
    int columnWidth = 200;
    int columnGap = 20;
    int newColumnAfter = 1;

    bool setProperty(const std::string& propertyName, const PropertyValue& value) override;
    PropertyValue property(const std::string& propertyName) const override;
    bool callMethod(const std::string& methodName) override;
    std::vector<std::string> propertyNames() const override;

    void readRecord(platform::ByteReader& in, int version, RecordKind kind) override;
    void writeRecord(platform::ByteWriter& out, RecordKind kind, const RecordFields& fields) const override;
    // Bands are not drawn on prepared pages; in the designer they show their background only
    // (FrameTyp holds the band type, not frame edges).
    void draw(platform::Canvas& canvas, const DrawEnvironment& env = {}) const override;

protected:
    std::uint8_t writtenLayoutMinor() const override { return 1; }
};

// Display name of a band type ("Dati master"); empty outside 0..22.
std::string bandTypeName(int type);

}  // namespace report
