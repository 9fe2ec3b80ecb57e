// The calibration offsets of each printer, kept in the user's settings under the printer's
// name. A stored value that is not a number within -10.0 .. +10.0 mm reads as 0.
#pragma once

#include <functional>
#include <memory>
#include <set>
#include <string>

#include "printer/PageOffset.h"

namespace printer::qt {

// Settings section and value names, kept byte for byte.
inline constexpr const char* kPrinterOffsetSection = "PrinterOffsets";
inline constexpr const char* kOffsetXName = "OffsetXmm";
inline constexpr const char* kOffsetYName = "OffsetYmm";

struct OffsetReading {
    printer::PageOffset offset;
    bool damaged = false;  // a stored value was unreadable and was taken as 0
};

class PrinterOffsetSettings final : public printer::PageOffsetSource {
public:
    // The user's settings.
    PrinterOffsetSettings();
    // A settings file at an explicit path (tests, portable use).
    explicit PrinterOffsetSettings(std::string iniPath);

    OffsetReading read(const std::string& printerName) const;
    void write(const std::string& printerName, const printer::PageOffset& offset);

    // read(); the first damaged reading of each printer is told to onDamaged.
    printer::PageOffset offsetFor(const std::string& printerName) override;
    std::function<void(const std::string& printerName)> onDamaged;

private:
    std::string iniPath_;  // empty: the user's settings
    std::set<std::string> toldDamaged_;
};

// "Lo scostamento salvato per la stampante X non è valido: vale 0".
std::string damagedOffsetMessage(const std::string& printerName);

}  // namespace printer::qt
