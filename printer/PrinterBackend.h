// What the printer object needs from the platform's spooler. A backend speaks for the
// installed printers; the virtual printer is not its business. Operations may throw
// PrinterError (or any std::exception) when the spooler fails.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "printer/PrinterSettings.h"

namespace platform {
class Canvas;
}

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

    // Print jobs. `copies` is the spooler's copy count for every page of the job.
    virtual bool printing() = 0;
    virtual void beginJob(const std::string& title, int copies) = 0;
    virtual void newPage() = 0;
    virtual void endJob() = 0;
    virtual void abortJob() = 0;
    // The surface of the page being printed while a job is open, else null.
    virtual platform::Canvas* pageCanvas() = 0;

    // The driver's document-properties dialog on a copy of the settings block. Returns true
    // when the operator accepted; `settings` then holds the edited block.
    virtual bool documentProperties(PrinterSettings& settings) = 0;
};

}  // namespace printer
