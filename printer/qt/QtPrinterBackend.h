// The spooler's printers through Qt (CUPS on this platform), followed by the file printer that
// writes PDF files, so that printing works on a machine without printers.
#pragma once

#include <memory>
#include <vector>

#include "printer/PrinterBackend.h"
#include "printer/qt/PdfFilePrinter.h"

namespace printer::qt {

class QtPrinterQueue;

class QtPrinterBackend final : public printer::PrinterBackend {
public:
    // Lists the spooler's printers now; the current one is the spooler's default.
    QtPrinterBackend();
    ~QtPrinterBackend() override;

    std::vector<std::string> printerNames() override;
    // Queues still listed keep their settings; the file printer stays last.
    void refreshPrinters() override;
    int currentPrinter() override { return current_; }
    void setCurrentPrinter(int index) override;

    std::optional<printer::PrinterSettings> settings() override;
    void setSettings(const printer::PrinterSettings& settings) override;

    std::vector<int> paperCodes() override;
    std::vector<std::string> paperNames() override;
    // Qt does not list a printer's paper sources: only the printer's default source is offered.
    std::vector<int> binCodes() override { return {}; }
    std::vector<std::string> binNames() override { return {}; }

    printer::DeviceMetrics metrics() override;

    // On the file printer, throws PrinterError when no file was given (setOutputFile); on a
    // queue the spooler no longer has, PrinterError naming it, before anything is drawn.
    std::unique_ptr<printer::PrintJob> startJob(const std::string& title, int copies) override;
    void setOutputFile(const std::string& path) override { pdfFile_.setFixedPath(path); }

    // The file printer: where its jobs go. It is always the last printer of the list.
    PdfFilePrinter& pdfFilePrinter() { return pdfFile_; }
    int pdfFilePrinterIndex() const { return static_cast<int>(queues_.size()) - 1; }

private:
    QtPrinterQueue& queue();
    static bool queueStillListed(const QtPrinterQueue& q);
    void listPrinters(const std::string& currentName);
    void throwWhilePrinting() const;

    std::vector<std::unique_ptr<QtPrinterQueue>> queues_;
    int current_ = 0;
    PdfFilePrinter pdfFile_;
    int openJobs_ = 0;
};

}  // namespace printer::qt
