#include "gui/preview/LabelSheetSettings.h"

#include "gui/preview/PrintFileDialog.h"
#include "gui/preview/ProgressWindow.h"
#include "labels/LabelSlots.h"
#include "labels/TestSheet.h"
#include "prepared/PrintRun.h"
#include "printer/Printer.h"
#include "printer/PrinterError.h"
#include "printer/qt/PrinterOffsetSettings.h"

namespace gui::preview {

namespace {

// The offset the test sheet prints with: the one in the dialog, saved or not.
class FixedOffset final : public printer::PageOffsetSource {
public:
    explicit FixedOffset(const printer::PageOffset& offset) : offset_(offset) {}
    printer::PageOffset offsetFor(const std::string&) override { return offset_; }

private:
    printer::PageOffset offset_;
};

// Puts the printer's offset source and current printer back when the test sheet is done.
class PrinterRestore {
public:
    PrinterRestore(printer::Printer& printer, printer::PageOffsetSource* source)
        : printer_(printer), source_(source), index_(printer.printerIndex()) {}
    ~PrinterRestore() {
        printer_.setOffsetSource(source_);
        printer_.selectPrinter(index_);
    }
    PrinterRestore(const PrinterRestore&) = delete;
    PrinterRestore& operator=(const PrinterRestore&) = delete;

private:
    printer::Printer& printer_;
    printer::PageOffsetSource* source_;
    int index_;
};

}  // namespace

LabelSheetSettings::LabelSheetSettings(labels::LabelReports& reports, int kind, printer::Printer& printer,
                                       printer::qt::PrinterOffsetSettings& offsets)
    : reports_(&reports), kind_(kind), printer_(printer), offsets_(offsets) {}

LabelSheetSettings::LabelSheetSettings(printer::Printer& printer, printer::qt::PrinterOffsetSettings& offsets)
    : reports_(nullptr), kind_(0), printer_(printer), offsets_(offsets) {}

bool LabelSheetSettings::run(QWidget* parent, ShownPages shown,
                             const std::function<void()>& beforePreparing) {
    const bool fromFile = shown == ShownPages::FromFile || !reports_;
    // The platform's printers; the virtual printer at the end of the list prints nothing.
    std::vector<std::string> printers = printer_.printerNames();
    printers.resize(printer_.hasPlatformPrinters() ? static_cast<std::size_t>(printer_.defaultPrinterIndex()) : 0);
    SheetSettingsDialog::TestSheetPrinter testSheet;
    if (reports_)
        testSheet = [this](const std::string& name, const printer::PageOffset& offset) {
            printTestSheet(name, offset);
        };
    SheetSettingsDialog dialog(choice_, reports_ ? labels::labelsPerSheet(reports_->report(kind_)) : 1,
                               printers, printer_.currentPrinterName(), offsets_, std::move(testSheet),
                               parent);
    if (fromFile) dialog.fixLayout(QString::fromUtf8(kOpenedReportLayoutReason));
    // The offsets are kept by the dialog; they move the pages when printed, whatever they are.
    if (dialog.exec() != QDialog::Accepted || fromFile || dialog.choice() == choice_) return false;
    choice_ = dialog.choice();
    preparation::PrepareOptions options;
    options.progressDisplay = &programProgressForm();
    options.blankPositions = choice_.firstLabel - 1;
    options.copiesPerRecord = choice_.copies;
    if (beforePreparing) beforePreparing();
    reports_->prepare(kind_, options);
    return true;
}

// The sheet is built before the chosen printer is selected: fitting the template's pages to
// paper selects the printer the template names, which must not decide where the sheet goes.
void LabelSheetSettings::printTestSheet(const std::string& printerName, const printer::PageOffset& offset) {
    FixedOffset fixed(offset);
    PrinterRestore restore(printer_, printer_.offsetSource());
    prepared::PreparedPages sheet(&reports_->report(kind_), &printer_);
    labels::buildTestSheet(reports_->report(kind_), sheet);
    if (!printer_.selectPrinterByName(printerName) || printer_.currentPrinterName() != printerName)
        throw printer::PrinterError(printer::printerGoneText(printerName));
    printer_.setOffsetSource(&fixed);
    prepared::PrintReportSettings settings;
    settings.title = "Foglio di prova";
    settings.showProgress = false;
    // The operator closed the file dialog: nothing is printed and nothing needs saying.
    if (!choosePrintFile(printer_, settings.title, nullptr)) return;
    prepared::runPrint(sheet, prepared::PrintOptions{}, settings, nullptr);
}

}  // namespace gui::preview
