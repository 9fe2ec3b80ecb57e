// The preview's "Impostazioni foglio" for a label report: the dialog on the program's printers,
// preparing the pages again when the first label or the copies change, and printing the
// template's test sheet on the chosen printer with the offsets shown.
#pragma once

#include <QWidget>
#include <memory>

#include "gui/preview/SheetSettingsDialog.h"
#include "labels/LabelReports.h"

namespace platform::qt {
class PrinterOffsetSettings;
}

namespace preview {

class Printer;

class LabelSheetSettings {
public:
    // All borrowed; `kind` is the label report (1..4) the preview shows.
    LabelSheetSettings(report::LabelReports& reports, int kind, Printer& printer,
                       platform::qt::PrinterOffsetSettings& offsets);

    // Opens the dialog over `parent`; true when the pages were prepared again.
    bool run(QWidget* parent);

    const SheetChoice& choice() const { return choice_; }
    // The test sheet of the template on `printerName`, moved by `offset`.
    void printTestSheet(const std::string& printerName, const PageOffset& offset);

private:
    report::LabelReports& reports_;
    int kind_;
    Printer& printer_;
    platform::qt::PrinterOffsetSettings& offsets_;
    SheetChoice choice_;
};

}  // namespace preview
