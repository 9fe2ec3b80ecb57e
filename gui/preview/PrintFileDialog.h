// The file printer's file, asked of the operator before a print run starts on it: Qt's file
// dialog, starting in the folder chosen last time, offering a name made of the job's title.
#pragma once

#include <string>

class QWidget;

namespace printer {
class Printer;
}

namespace gui::preview {

// When `printer`'s current printer is the file printer, asks for the file and hands it to the
// printer for the next run; `parent` null = the active dialog or window. False when the
// operator closes the dialog: nothing is to be printed then.
bool choosePrintFile(printer::Printer& printer, const std::string& jobTitle, QWidget* parent);

}  // namespace gui::preview
