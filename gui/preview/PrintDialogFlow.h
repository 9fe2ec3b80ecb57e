// The preview's print button: the print dialog, then the print run under the progress window.
#pragma once

#include <functional>

#include "gui/preview/PrintService.h"
#include "prepared/PrintProgress.h"
#include "prepared/PrintRunOptions.h"

class QWidget;

namespace preview {

class PreparedPages;
class PrintDialog;

// The report's settings the print button reads.
struct PrintDialogSettings {
    int defaultCopies = 1;
    bool defaultCollate = true;
    // False: no dialog, print at once with the defaults.
    bool showPrintDialog = true;
    PrintReportSettings report;
    // Where the run shows its progress; none = the program's progress window.
    PrintProgressWindow* progressWindow = nullptr;
    // Shows the dialog modally and tells whether it was accepted; tests answer it themselves.
    std::function<bool(PrintDialog&)> showDialog = {};
};

// Nothing happens when `pages` is empty or there is no platform printer. A copies text or
// page list that is not a number, and any printer failure, is shown in an error box; the
// pages stay as they are. True when the run went ahead (not cancelled in the dialog, no error).
bool runPrintDialog(PreparedPages& pages, int currentPage, QWidget* parent,
                    const PrintDialogSettings& settings = {});

// The print button's service: runPrintDialog on the page the preview window shows.
class PrintDialogService final : public PrintService {
public:
    PrintDialogSettings settings;
    void print(PreparedPages& pages, QWidget* parent) override;
};

}  // namespace preview
