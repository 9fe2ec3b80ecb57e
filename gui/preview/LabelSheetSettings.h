// The preview's "Impostazioni foglio" for a label report: the dialog on the program's printers,
// preparing the pages again when the first label or the copies change, and printing the
// template's test sheet on the chosen printer with the offsets shown. Pages read from a
// prepared-report file are the file's: for them only the offsets can change, and preparing
// the print list again would put other labels in their place.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "gui/preview/PreviewOptions.h"
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
    // For a preview of a prepared-report file alone: offsets only, no template for a test sheet.
    LabelSheetSettings(printer::Printer& printer, printer::qt::PrinterOffsetSettings& offsets);

    // Opens the dialog over `parent` for the pages shown; true when they were prepared again,
    // after `beforePreparing` was called.
    bool run(QWidget* parent, ShownPages shown, const std::function<void()>& beforePreparing = {});

    const SheetChoice& choice() const { return choice_; }

private:
    // The test sheet of the template on `printerName`, moved by `offset`; offered only when
    // there is a template.
    void printTestSheet(const std::string& printerName, const printer::PageOffset& offset);

    labels::LabelReports* reports_;  // none: the pages shown are always a file's
    int kind_;
    printer::Printer& printer_;
    printer::qt::PrinterOffsetSettings& offsets_;
    SheetChoice choice_;
};

// Said in the dialog over a report read from a file.
inline constexpr const char* kOpenedReportLayoutReason =
    "Le pagine mostrate sono un report aperto da file: la prima etichetta e le copie di ogni "
    "etichetta non si possono cambiare. Gli spostamenti della stampante valgono anche per questo "
    "report.";

}  // namespace gui::preview
