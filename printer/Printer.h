// The report engine's view of the output printer: the printer list with the virtual printer
// at its end, the current paper, the current printer's papers and bins, and the page geometry
// that turns page pixels into printer dots. Real printers are reached through a
// PrinterBackend; without one (or on the virtual printer) the built-in paper table serves.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "printer/PageOffset.h"
#include "printer/PrintJob.h"
#include "printer/PrinterGeometry.h"
#include "printer/PrinterSettings.h"

namespace printer {

class PrinterBackend;

inline constexpr int kPortrait = 0;
inline constexpr int kLandscape = 1;
// A bin whose low 16 bits are all ones (-1, 65535) keeps the printer's default source.
inline constexpr int kDefaultBin = -1;
// Templates name the virtual printer with this one-byte string instead of its local name.
inline constexpr std::string_view kVirtualPrinterStoredName = "\x01";
// Paper code and bin arrays hold at most this many entries.
inline constexpr std::size_t kMaxPaperEntries = 256;

bool isDefaultBin(int bin);

class Printer {
public:
    Printer();

    // Rebuilds the printer list from `backend` (not owned; null = virtual printer only) and
    // reads the current printer's paper.
    void attachPrinter(PrinterBackend* backend);
    // Lists the backend's printers again (printers added or removed since). The current
    // printer stays current while it is listed; when it vanished the backend's current one
    // takes over with the current paper. Nothing changes during a job.
    void refreshPrinters();
    // Reads the current printer's settings; on any failure falls back to the virtual printer.
    void readSettings();
    // Pushes the current paper to the printer (or takes it from the table for the virtual
    // printer), then reads back what the printer chose. Backend errors propagate.
    void applySettings();
    // The geometry of the current paper on the current printer.
    void fillGeometry(PrinterGeometry& g) const;
    PrinterGeometry geometry() const;

    bool samePaper(int size, int width, int height, int bin, int orientation) const;
    // Changes the paper unless a job is printing or (without force) the paper is the same.
    void setPaper(int size, int width, int height, int bin, int orientation, bool force);

    // Makes printer `index` of the list the output printer, keeping the current paper. Out of
    // range indexes and calls during a print job are ignored.
    void selectPrinter(int index);
    // The report's printer-name setter: selects the named printer when the list has it.
    // Returns whether a printer of that name was found.
    bool selectPrinterByName(std::string_view name);
    // Runs `edit` (the page-setup dialog) on a copy of the current printer's settings block and
    // hands the block to the printer when `edit` returns true; returns that. False at once on
    // the virtual printer or a printer without settings. The fields are not re-read here: the
    // next setPaper or readSettings does that.
    bool editPrinterSettings(const std::function<bool(PrinterSettings&)>& edit);

    // Starts a print job on the current printer; throws PrinterError on the virtual printer.
    // While the job is open (until it ends or is destroyed) the printer and its paper stay as
    // they are: setPaper, selectPrinter and refreshPrinters do nothing.
    std::unique_ptr<PrintJob> startJob(const std::string& title, int copies);
    // The file the file printer writes the next print run to (see PrinterBackend).
    void setOutputFile(const std::string& path);

    bool isVirtual() const;
    bool hasPlatformPrinters() const;
    // Name of the current printer; "" before any attachPrinter.
    std::string currentPrinterName() const;

    // The calibration of each printer (borrowed; none = no offsets). Every page printed
    // moves by the current printer's offset.
    void setOffsetSource(PageOffsetSource* source) { offsetSource_ = source; }
    PageOffsetSource* offsetSource() const { return offsetSource_; }
    PageOffset currentOffset() const;

    const std::vector<std::string>& printerNames() const { return printers_; }
    const std::vector<std::string>& paperNames() const { return paperNames_; }
    const std::vector<std::string>& binNames() const { return binNames_; }
    const std::vector<int>& paperCodes() const { return paperCodes_; }
    const std::vector<int>& binCodes() const { return binCodes_; }
    int printerIndex() const { return printerIndex_; }
    int defaultPrinterIndex() const { return defaultPrinterIndex_; }
    int orientation() const { return orientation_; }
    int paperSize() const { return paperSize_; }
    int paperWidth() const { return paperWidth_; }
    int paperHeight() const { return paperHeight_; }
    int bin() const { return bin_; }
    int paperSizesNum() const { return static_cast<int>(paperCodes_.size()); }
    int binsNum() const { return static_cast<int>(binCodes_.size()); }

private:
    void listPrinters();
    void applyVirtualSettings();
    void applyPrinterSettings();
    void readPrinterSettings();
    void switchToVirtual();
    void resetBinsToDefault();
    void fillVirtualGeometry(PrinterGeometry& g) const;
    void fillPrinterGeometry(PrinterGeometry& g) const;
    PrinterBackend& jobBackend() const;
    bool printing() const { return openJobs_ > 0; }

    PrinterBackend* backend_ = nullptr;
    PageOffsetSource* offsetSource_ = nullptr;
    std::vector<std::string> printers_;
    std::vector<std::string> paperNames_;
    std::vector<std::string> binNames_;
    std::vector<int> paperCodes_;
    std::vector<int> binCodes_;
    int printerIndex_ = 0;
    int defaultPrinterIndex_ = 0;
    int orientation_ = kPortrait;
    int paperSize_;
    int paperWidth_ = 0;
    int paperHeight_ = 0;
    int bin_ = kDefaultBin;
    int openJobs_ = 0;
};

}  // namespace printer
