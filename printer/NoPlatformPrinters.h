// The backend of a machine without installed printers: only the virtual printer remains,
// reports can be prepared and previewed but not printed.
#pragma once

#include "printer/PrinterBackend.h"

namespace printer {

class NoPlatformPrinters final : public PrinterBackend {
public:
    std::vector<std::string> printerNames() override { return {}; }
    int currentPrinter() override { return -1; }
    void setCurrentPrinter(int) override {}
    std::optional<PrinterSettings> settings() override { return std::nullopt; }
    void setSettings(const PrinterSettings&) override {}
    std::vector<int> paperCodes() override { return {}; }
    std::vector<std::string> paperNames() override { return {}; }
    std::vector<int> binCodes() override { return {}; }
    std::vector<std::string> binNames() override { return {}; }
    DeviceMetrics metrics() override { return {}; }
    std::unique_ptr<PrintJob> startJob(const std::string& title, int copies) override;
};

}  // namespace printer
