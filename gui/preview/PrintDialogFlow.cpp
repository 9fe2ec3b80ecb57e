#include "gui/preview/PrintDialogFlow.h"

#include <exception>

#include "gui/preview/PrintDialog.h"
#include "gui/preview/PrintDialogFlowProgress.h"
#include "gui/preview/PrintFileDialog.h"
#include "gui/preview/ProgressWindow.h"
#include "platform/qt/MessageBox.h"
#include "prepared/PageList.h"
#include "prepared/PreparedPages.h"
#include "prepared/PrintRun.h"
#include "prepared/PrintableArea.h"
#include "printer/Printer.h"

namespace gui::preview {

namespace {

constexpr const char* kNothingToPrint = "Nessuna pagina da stampare";
constexpr const char* kProgramName = "Quirelle";

bool execDialog(PrintDialog& form) {
    return form.exec() == QDialog::Accepted;
}

prepared::PrintOptions chosenOptions(const PrintDialog& form, int currentPage) {
    prepared::PrintOptions options;
    options.pageList = form.pageList(currentPage);
    options.collate = form.collate();
    options.filter = form.filter();
    options.copies = prepared::integerFromText(form.copiesText());
    return options;
}

// A job this large is asked about first: a slip of the copies field can waste a box of sheets.
constexpr int kSheetsWithoutQuestion = 500;

std::string sheetCountText(int sheets) {
    std::string digits = std::to_string(sheets);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ".");
    return digits;
}

bool confirmed(const std::string& question, QWidget* parent) {
    return platform::qt::showMessage(
               {question, {}, platform::qt::MessageIcon::Question, platform::qt::MessageButtons::YesNo},
               parent) == platform::qt::MessageResult::Yes;
}

// The questions before a job: one about a large number of sheets, one about labels the
// printer cannot reach. False when the operator declines either.
bool operatorAgrees(prepared::PreparedPages& pages, const prepared::PrintOptions& options, QWidget* parent) {
    const int sheets = prepared::sheetsToPrint(pages, options);
    if (sheets > kSheetsWithoutQuestion &&
        !confirmed("La stampa userà " + sheetCountText(sheets) + " fogli. Stampare?", parent))
        return false;
    const prepared::OutsidePrintableArea outside = prepared::findOutsidePrintableArea(pages, options);
    return outside.objects == 0 ||
           confirmed(prepared::outsidePrintableAreaQuestion(outside, pages.printer().currentPrinterName()),
                     parent);
}

void print(prepared::PreparedPages& pages, const prepared::PrintOptions& options,
           const PrintDialogSettings& settings) {
    if (settings.progressWindow) {
        prepared::printPrepared(pages, options, settings.report, settings.progressWindow);
        return;
    }
    ProgressDisplayPrintWindow window(programProgressForm());
    prepared::printPrepared(pages, options, settings.report, &window);
}

}  // namespace

bool runPrintDialog(prepared::PreparedPages& pages, const ShownDocument& shown, QWidget* parent,
                    const PrintDialogSettings& settings) {
    if (pages.count() == 0) return false;
    // The spooler's queues as they are now, not as they were when the program started.
    pages.printer().refreshPrinters();
    if (!pages.printer().hasPlatformPrinters()) return false;
    PrintDialog form(pages.printer(), parent, shown.sheetSettings);
    form.setDefaults(settings.defaultCopies, settings.defaultCollate);
    if (settings.showPrintDialog) {
        const bool accepted = settings.showDialog ? settings.showDialog(form) : execDialog(form);
        if (!accepted) return false;
    }
    try {
        const prepared::PrintOptions options = chosenOptions(form, shown.currentPage);
        if (!prepared::anyPageToPrint(pages, options)) {
            platform::qt::showMessage({kNothingToPrint, {}, platform::qt::MessageIcon::Information}, parent);
            return false;
        }
        if (!operatorAgrees(pages, options, parent)) return false;
        if (!choosePrintFile(pages.printer(), prepared::printJobTitle(settings.report), parent)) return false;
        print(pages, options, settings);
    } catch (const std::exception& e) {
        platform::qt::showError(e.what(), parent);
        return false;
    }
    return true;
}

std::string jobTitle(const std::string& documentTitle) {
    return documentTitle.empty() ? std::string(kProgramName) : std::string(kProgramName) + " – " + documentTitle;
}

void PrintDialogService::print(prepared::PreparedPages& pages, const ShownDocument& shown, QWidget* parent) {
    PrintDialogSettings run = settings;
    if (run.report.title.empty())
        run.report.title = jobTitle(shown.title.empty() ? documentTitle : shown.title);
    runPrintDialog(pages, shown, parent, run);
}

}  // namespace gui::preview
