// What the printer object needs from the platform's spooler. A backend speaks for the
// installed printers; the virtual printer is not its business. Operations may throw
// PrinterError (or any std::exception) when the spooler fails.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "printer/PrintJob.h"
#include "printer/PrinterSettings.h"

namespace printer {

class PrinterBackend {
public:
    virtual ~PrinterBackend() = default;

    // Installed printers in the order the operator sees them.
    virtual std::vector<std::string> printerNames() = 0;
    // Asks the spooler for its printers again (queues added or removed since). The current
    // printer stays current while it is listed; otherwise the spooler's default becomes it.
    virtual void refreshPrinters() {}
    // Index into printerNames() of the printer output goes to; -1 when there is none.
    virtual int currentPrinter() = 0;
    // Makes printer `index` the one that settings, metrics and jobs refer to.
    virtual void setCurrentPrinter(int index) = 0;

    // The current printer's settings block; empty when the driver gives none.
    virtual std::optional<PrinterSettings> settings() = 0;
    // Hands a changed settings block back; the driver may adjust what it cannot do.
    virtual void setSettings(const PrinterSettings& settings) = 0;

    // Papers and bins the current printer supports, codes and names index for index.
    virtual std::vector<int> paperCodes() = 0;
    virtual std::vector<std::string> paperNames() = 0;
    virtual std::vector<int> binCodes() = 0;
    virtual std::vector<std::string> binNames() = 0;

    // Metrics of the current paper under the current settings.
    virtual DeviceMetrics metrics() = 0;

    // Starts a print job on the current printer; `copies` is the spooler's copy count for every
    // page of the job. Throws PrinterError when the job cannot start.
    virtual std::unique_ptr<PrintJob> startJob(const std::string& title, int copies) = 0;
    // The file a printer that writes files (rather than sending jobs to a spooler) writes the
    // next print run to; a run of several jobs writes the later ones beside it, numbered.
    virtual void setOutputFile(const std::string&) {}
};

}  // namespace printer
