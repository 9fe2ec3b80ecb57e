// The spooler's printers through Qt (CUPS on this platform), followed by the file printer that
// writes PDF files. Each printer keeps its own settings block; a QPrinter set up from that
// block answers for papers, metrics and jobs.
#pragma once

#include <QPrinter>
#include <QPrinterInfo>
#include <memory>
#include <vector>

#include "platform/PictureCanvas.h"
#include "platform/qt/PdfFilePrinter.h"
#include "platform/qt/QtPrinterPapers.h"
#include "preview/printer/PrinterBackend.h"

class QWidget;

namespace platform::qt {

class QtPrinterJob;

class QtPrinterBackend final : public preview::PrinterBackend {
public:
    // Lists the spooler's printers now; the current one is the spooler's default.
    QtPrinterBackend();
    ~QtPrinterBackend() override;

    std::vector<std::string> printerNames() override;
    int currentPrinter() override { return current_; }
    void setCurrentPrinter(int index) override;

    std::optional<preview::PrinterSettings> settings() override;
    void setSettings(const preview::PrinterSettings& settings) override;

    std::vector<int> paperCodes() override;
    std::vector<std::string> paperNames() override;
    // Qt does not list a printer's paper sources: only the printer's default source is offered.
    std::vector<int> binCodes() override { return {}; }
    std::vector<std::string> binNames() override { return {}; }

    preview::DeviceMetrics metrics() override;

    bool printing() override { return job_ != nullptr; }
    void beginJob(const std::string& title, int copies) override;
    void newPage() override;
    void endJob() override;
    void abortJob() override;
    platform::Canvas* pageCanvas() override;

    // The page setup dialog on a copy of the settings; needs a widget application.
    bool documentProperties(preview::PrinterSettings& settings) override;

    // The file printer: where its jobs go, and the window its dialogs belong to.
    PdfFilePrinter& pdfFilePrinter() { return pdfFile_; }
    int pdfFilePrinterIndex() const { return static_cast<int>(printers_.size()) - 1; }
    void setDialogParent(QWidget* parent) { dialogParent_ = parent; }

private:
    struct Entry;

    Entry& entry();
    Entry& readyEntry();
    void beginPrinterJob(Entry& e, const std::string& title, int copies);

    std::vector<std::unique_ptr<Entry>> printers_;
    int current_ = 0;
    PdfFilePrinter pdfFile_;
    std::unique_ptr<QtPrinterJob> job_;
    // A file job the operator gave no file for: its pages are drawn and dropped.
    std::unique_ptr<PictureCanvas> discarded_;
    QWidget* dialogParent_ = nullptr;
};

}  // namespace platform::qt
