// The preview's print button: the print dialog, then the print run under the progress window.
#pragma once

#include <functional>
#include <string>

#include "gui/preview/PrintService.h"
#include "prepared/PrintProgress.h"
#include "prepared/PrintRunOptions.h"

class QWidget;

namespace prepared {
class PreparedPages;
}

namespace gui::preview {

class PrintDialog;

// The report's settings the print button reads.
struct PrintDialogSettings {
    int defaultCopies = 1;
    bool defaultCollate = true;
    // False: no dialog, print at once with the defaults.
    bool showPrintDialog = true;
    prepared::PrintReportSettings report;
    // Where the run shows its progress; none = the program's progress window.
    prepared::PrintProgressWindow* progressWindow = nullptr;
    // Shows the dialog modally and tells whether it was accepted; tests answer it themselves.
    std::function<bool(PrintDialog&)> showDialog = {};
};

// Nothing happens when `pages` is empty or there is no platform printer. A copies text or
// page list that is not a number, and any printer failure, is shown in an error box; a choice
// that leaves no page to print says so; the pages stay as they are. True when the run went
// ahead (not cancelled in the dialog or the file dialog, no error).
bool runPrintDialog(prepared::PreparedPages& pages, const ShownDocument& shown, QWidget* parent,
                    const PrintDialogSettings& settings = {});

// The spooler's job name for a document: "Quirelle – Codici 03/2019", or "Quirelle" alone.
std::string jobTitle(const std::string& documentTitle);

// The print button's service: runPrintDialog on the page the preview shows, as a job named
// after the preview's document unless the settings name it.
class PrintDialogService final : public PrintService {
public:
    PrintDialogSettings settings;
    // Names the job when the preview names no document of its own.
    std::string documentTitle;
    void print(prepared::PreparedPages& pages, const ShownDocument& shown, QWidget* parent) override;
};

}  // namespace gui::preview
