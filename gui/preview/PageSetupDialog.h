// The print dialog's "Proprietà": Qt's page-setup dialog on the current printer's paper and
// orientation. The printer takes the edited settings only when the operator accepts.
#pragma once

class QWidget;

namespace printer {
class Printer;
}

namespace gui::preview {

// True when the operator accepted and the printer took the settings; false at once on the
// virtual printer. Throws PrinterError when the current queue has left the spooler.
bool runPageSetupDialog(printer::Printer& printer, QWidget* parent);

}  // namespace gui::preview
