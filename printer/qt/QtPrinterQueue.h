// One printer of the backend's list — a spooler queue or the PDF file printer — with its papers,
// its settings block and the QPrinter set up from that block. The driver is opened on first use:
// opening one takes time, and most queues of a list are never used.
#pragma once

#include <QPrinter>
#include <QPrinterInfo>
#include <memory>
#include <string>
#include <vector>

#include "printer/PrinterSettings.h"
#include "printer/qt/QtPrinterPapers.h"

namespace printer::qt {

class QtPrinterQueue {
public:
    static std::unique_ptr<QtPrinterQueue> spooler(const QPrinterInfo& info);
    static std::unique_ptr<QtPrinterQueue> pdfFile();

    const std::string& name() const { return name_; }
    bool isPdfFile() const { return info_.isNull(); }

    QPrinter& printer();
    const std::vector<QtPaper>& papers();
    const printer::PrinterSettings& settings();
    bool takesCustomSizes();

    // Takes a changed settings block. Like a driver, a paper this printer cannot print on is
    // refused and the old paper kept.
    void applySettings(const printer::PrinterSettings& requested);
    // Resolution and sheet of the current paper, in printer dots.
    printer::DeviceMetrics metrics();

    // A separate printer of this queue set up from s, for a dialog to edit.
    std::unique_ptr<QPrinter> editablePrinter(const printer::PrinterSettings& s);
    // s with the paper and orientation of an edited layout; false when no paper fits it.
    bool takeLayout(const QPageLayout& layout, printer::PrinterSettings& s);
    // The spooler options a job of the current settings needs.
    QStringList jobOptions();

private:
    QtPrinterQueue(std::string name, QPrinterInfo info);
    void open();
    std::unique_ptr<QPrinter> newPrinter() const;
    bool accepts(const printer::PrinterSettings& s) const;
    QPageSize pageSizeOf(const printer::PrinterSettings& s) const;
    void configure(QPrinter& p, const printer::PrinterSettings& s) const;
    printer::PrinterSettings settingsOf(QPrinter& p) const;

    std::string name_;
    QPrinterInfo info_;  // null for the file printer
    std::vector<QtPaper> papers_;
    printer::PrinterSettings settings_;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace printer::qt
