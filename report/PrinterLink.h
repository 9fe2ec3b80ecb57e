// What template loading needs from the printer abstraction: the current printer, selecting a
// stored one, and fitting a page's paper. The printer layer provides the implementation; with
// none, pages keep their stored paper.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace report {

// Stream name of the virtual printer.
inline constexpr const char* kVirtualPrinterStreamName = "\001";

struct PaperSettings {
    int paperSize = 9;      // 9 = A4, 256 = custom size
    int paperWidth = 2100;  // 0.1 mm
    int paperHeight = 2970;
    int orientation = 0;                      // 0 portrait, 1 landscape
    int bin = 0xFFFF;                         // default bin
    std::array<std::int32_t, 12> geometry{};  // printer geometry of this paper
};

class PrinterLink {
public:
    virtual ~PrinterLink() = default;
    // False until the printer layer has finished its start-up.
    virtual bool isReady() const { return true; }
    // Lets pending window messages run while waiting for start-up.
    virtual void waitUntilReady() {}
    virtual std::string currentPrinterName() const = 0;
    virtual bool isVirtualPrinter() const = 0;
    virtual bool hasPrinter(const std::string& name) const = 0;
    virtual void selectPrinter(const std::string& name) = 0;
    // Puts the paper on the printer and returns what it chose; nullopt when it refuses.
    virtual std::optional<PaperSettings> applyPaper(const PaperSettings& wanted) = 0;
    virtual PaperSettings defaultPaper() const = 0;
};

}  // namespace report
