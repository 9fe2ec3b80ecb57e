// A scripted spooler for tests: printers with their papers, bins, resolutions and margins;
// settings blocks that behave like a driver's; and a record of every job call and every page
// drawn, so tests of printing can check page order, copies and aborts.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "printer/PrinterBackend.h"

namespace printer {

struct FakePrinter {
    std::string name;
    int dpiX = 300;
    int dpiY = 300;
    // Unprintable edges, printer dots.
    int marginLeft = 0;
    int marginTop = 0;
    int marginRight = 0;
    int marginBottom = 0;
    std::vector<int> paperCodes{9};
    std::vector<std::string> paperNames{"A4"};
    std::vector<int> binCodes;
    std::vector<std::string> binNames;
    // The settings block; empty = the driver gives none.
    std::optional<printer::PrinterSettings> settings = defaultSettings();

    static printer::PrinterSettings defaultSettings();
};

// One call into the job interface, in the order it was made.
struct FakeJobCall {
    enum Kind { Begin, newPage, End, abort } kind;
    std::string title;  // Begin only
    int copies = 0;     // Begin only
    friend bool operator==(const FakeJobCall&, const FakeJobCall&) = default;
};

// What was drawn on one printed page.
struct FakePage {
    std::string printer;
    int job = 0;  // 0-based count of begun jobs
    int copies = 1;
    printer::PrinterSettings settings;  // the settings block the page printed with
    std::vector<std::string> texts;
    std::vector<platform::Point> textOrigins;  // where each text was written
    std::vector<platform::Rect> pictureTargets;
    std::vector<platform::Rect> fills;
    int drawCalls = 0;
};

class FakePrinterBackend final : public printer::PrinterBackend {
public:
    explicit FakePrinterBackend(std::vector<FakePrinter> printers = {}, int current = 0);
    ~FakePrinterBackend() override;

    std::vector<std::string> printerNames() override;
    int currentPrinter() override { return current_; }
    void setCurrentPrinter(int index) override;
    std::optional<printer::PrinterSettings> settings() override;
    void setSettings(const printer::PrinterSettings& settings) override;
    std::vector<int> paperCodes() override { return printer().paperCodes; }
    std::vector<std::string> paperNames() override { return printer().paperNames; }
    std::vector<int> binCodes() override { return printer().binCodes; }
    std::vector<std::string> binNames() override { return printer().binNames; }
    printer::DeviceMetrics metrics() override;
    // Records Begin; the job records newPage, End, and abort when destroyed before it ended.
    std::unique_ptr<printer::PrintJob> startJob(const std::string& title, int copies) override;
    // Whether a job is open: begun, and neither ended nor destroyed.
    bool printing() const { return printing_; }

    // Scripting.
    std::vector<FakePrinter> printers;
    // Replaces metrics() when set (e.g. a device that reports zero resolution).
    std::optional<printer::DeviceMetrics> metricsOverride;
    bool failPrinterList = false;    // printerNames() throws
    bool failSettingsQuery = false;  // settings() throws
    bool failMetricsQuery = false;   // metrics() throws

    // Record.
    std::vector<FakeJobCall> jobCalls;
    std::vector<FakePage> pages;
    std::vector<int> selectedPrinters;             // every setCurrentPrinter index
    std::vector<printer::PrinterSettings> settingsWritten;  // every setSettings block
    int settingsQueries = 0;

    FakePrinter& printer();

private:
    class PageCanvas;
    class Job;
    void startPage();
    void closeJob(FakeJobCall::Kind how);

    int current_ = 0;
    bool printing_ = false;
    int jobsBegun_ = 0;
    int jobCopies_ = 1;
    std::unique_ptr<PageCanvas> canvas_;
};

}  // namespace printer
