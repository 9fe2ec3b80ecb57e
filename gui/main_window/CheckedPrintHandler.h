// "Stampa Su Carta ": the print list goes to the template on which every code fits its label
// and scans as its text. When that is not the template its fill command chose, the operator
// is told why before the sheets are prepared; a list no template prints is refused with the
// code's name (the window shows the refusal as it shows every command's error).
#pragma once

#include <functional>

#include "gui/main_window/MainWindow.h"
#include "labels/LabelReports.h"
#include "memtable/MemTable.h"

namespace gui::main_window {

class Dialogs;

// Prepares and shows the sheets of a template (1..4).
using ShowSheets = std::function<void(labels::ReportKind, QWidget* parent)>;

MainWindow::PrintHandler checkedPrintHandler(labels::LabelReports& reports, memtable::MemTable& printList,
                                             Dialogs& dialogs, ShowSheets show);

}  // namespace gui::main_window
