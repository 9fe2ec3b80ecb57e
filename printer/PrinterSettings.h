// A printer's settings block and device metrics, as the spooler reports them.
#pragma once

namespace printer {

// Bits of PrinterSettings::fields: which members the driver honours.
enum SettingsField : unsigned {
    kFieldOrientation = 1u << 0,
    kFieldPaperSize = 1u << 1,
    kFieldPaperLength = 1u << 2,
    kFieldPaperWidth = 1u << 3,
    kFieldCopies = 1u << 8,
    kFieldDefaultSource = 1u << 9,
    kFieldCollate = 1u << 15,
};

// orientation as a settings block stores it.
inline constexpr int kModePortrait = 1;
inline constexpr int kModeLandscape = 2;

struct PrinterSettings {
    unsigned fields = 0;
    int orientation = kModePortrait;
    int paperSize = 0;    // paper code; 256 = paperWidth x paperLength
    int paperLength = 0;  // tenths of a millimetre, custom paper only
    int paperWidth = 0;
    int copies = 1;
    int defaultSource = 0;  // bin code
    bool collate = false;

    bool has(SettingsField f) const { return (fields & f) != 0; }
    friend bool operator==(const PrinterSettings&, const PrinterSettings&) = default;
};

// Resolution and page geometry of the current paper, in printer dots.
struct DeviceMetrics {
    int dpiX = 0;
    int dpiY = 0;
    int physicalWidth = 0;  // whole sheet
    int physicalHeight = 0;
    int offsetX = 0;  // printable area's top-left corner on the sheet
    int offsetY = 0;
    int pageWidth = 0;  // printable area
    int pageHeight = 0;

    // A device that gives no resolution or no sheet cannot be measured against.
    bool usable() const { return dpiX > 0 && dpiY > 0 && physicalWidth > 0 && physicalHeight > 0; }
    friend bool operator==(const DeviceMetrics&, const DeviceMetrics&) = default;
};

}  // namespace printer
