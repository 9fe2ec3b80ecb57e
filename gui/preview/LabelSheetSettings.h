// The preview's "Impostazioni foglio" for a label report: the dialog on the program's printers,
// preparing the pages again when the first label or the copies change, and printing the
// template's test sheet on the chosen printer with the offsets shown.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "gui/preview/SheetSettingsDialog.h"
#include "labels/LabelReports.h"

namespace printer::qt {
class PrinterOffsetSettings;
}

namespace printer {
class Printer;
}

namespace gui::preview {

class LabelSheetSettings {
public:
    // All borrowed; `kind` is the label report (1..4) the preview shows.
    LabelSheetSettings(labels::LabelReports& reports, int kind, printer::Printer& printer,
                       printer::qt::PrinterOffsetSettings& offsets);

    // Opens the dialog over `parent`; true when the pages were prepared again, after
    // `beforePreparing` was called.
    bool run(QWidget* parent, const std::function<void()>& beforePreparing = {});

    const SheetChoice& choice() const { return choice_; }
    // The test sheet of the template on `printerName`, moved by `offset`.
    void printTestSheet(const std::string& printerName, const printer::PageOffset& offset);

private:
    labels::LabelReports& reports_;
    int kind_;
    printer::Printer& printer_;
    printer::qt::PrinterOffsetSettings& offsets_;
    SheetChoice choice_;
};

}  // namespace gui::preview
