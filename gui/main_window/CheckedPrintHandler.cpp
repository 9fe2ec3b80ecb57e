#include "gui/main_window/CheckedPrintHandler.h"

#include <utility>

#include "gui/main_window/Dialogs.h"
#include "labels/PrintTemplateChoice.h"

namespace gui::main_window {

MainWindow::PrintHandler checkedPrintHandler(labels::LabelReports& reports, memtable::MemTable& printList,
                                             Dialogs& dialogs, ShowSheets show) {
    return
        [&reports, &printList, &dialogs, show = std::move(show)](labels::ReportKind chosen, QWidget* parent) {
            const labels::PrintTemplate printTemplate =
                labels::choosePrintTemplate(reports, printList, chosen, true);
            if (!printTemplate.notice.empty())
                dialogs.message(parent, QString::fromStdString(printTemplate.notice));
            show(printTemplate.kind, parent);
        };
}

}  // namespace gui::main_window
