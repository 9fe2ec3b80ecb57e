#include "gui/preview/PageSetupDialog.h"

#include <QPageSetupDialog>

#include "printer/Printer.h"
#include "printer/qt/QueueLayoutCopy.h"

namespace gui::preview {

bool runPageSetupDialog(printer::Printer& printer, QWidget* parent) {
    const std::string queue = printer.currentPrinterName();
    return printer.editPrinterSettings([&](printer::PrinterSettings& settings) {
        printer::qt::QueueLayoutCopy copy(queue, settings);
        QPageSetupDialog dialog(&copy.printer(), parent);
        if (dialog.exec() != QDialog::Accepted) return false;
        return copy.takeInto(settings);
    });
}

}  // namespace gui::preview
