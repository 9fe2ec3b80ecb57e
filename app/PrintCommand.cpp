// quirelle print KIND [OPTIONS] -o FILE: fills the print list as the main window's commands do,
// prepares the template they select on the virtual printer and writes the sheets as a
// prepared report (.frp), a vector PDF or one PNG image per page.
#include <QGuiApplication>
#include <cstdio>
#include <exception>
#include <memory>
#include <string>

#include "app/HeadlessGui.h"
#include "app/LabelJobOptions.h"
#include "app/ProgramServices.h"
#include "app/ProgressOnTerminal.h"
#include "app/ReplacedOutput.h"
#include "app/SheetOptions.h"
#include "app/Subcommands.h"
#include "export/qt/PreparedPageOutput.h"
#include "labels/AppError.h"
#include "labels/LabelApp.h"
#include "labels/LabelReports.h"
#include "labels/LabelSlots.h"
#include "labels/PrintTemplateChoice.h"
#include "labels/qt/QtFileLocker.h"
#include "platform/FileNames.h"
#include "platform/qt/FontSubstitutions.h"
#include "prepared/PreparedReportIo.h"

namespace app {

namespace {

constexpr int kDefaultDpi = 300;

enum class PrintTarget { Frp, Pdf, Png };

PrintTarget targetOf(const std::string& path) {
    const std::string ext = platform::lowerCaseExtension(path);
    if (ext == "frp") return PrintTarget::Frp;
    if (ext == "pdf") return PrintTarget::Pdf;
    if (ext == "png") return PrintTarget::Png;
    throw UsageError("il file di uscita deve finire in .pdf, .frp o .png: " + path);
}

// Preparation errors arrive with "\r" between their lines.
class StderrErrors : public report::ErrorReporter {
public:
    void reportError(const std::string& message) override {
        std::string text = message;
        for (char& c : text)
            if (c == '\r') c = '\n';
        std::fprintf(stderr, "quirelle print: %s\n", text.c_str());
        ++count;
    }
    int count = 0;
};

int fault(const std::string& message) {
    std::fprintf(stderr, "quirelle print: %s\n", message.c_str());
    return 1;
}

bool writeOutput(prepared::PreparedPages& pages, PrintTarget target, const std::string& path, int dpi,
                 const printer::PageOffset& offset, std::string& error) {
    switch (target) {
        case PrintTarget::Frp:
            return writeReplacing(
                path,
                [&](const std::string& file, std::string& e) {
                    try {
                        prepared::savePrepared(pages, file);
                        return true;
                    } catch (const std::exception& failure) {
                        e = failure.what();
                        return false;
                    }
                },
                error);
        case PrintTarget::Pdf:
            return writeReplacing(
                path,
                [&](const std::string& file, std::string& e) {
                    return export_::qt::writePagesPdf(pages, file, e, offset);
                },
                error);
        case PrintTarget::Png:
            return writeNumberedReplacing(
                path,
                [&](const std::string& file, std::vector<std::string>& files, std::string& e) {
                    return export_::qt::writePagesPng(pages, file, dpi, e, &files, offset);
                },
                export_::qt::numberedImagePath, error);
    }
    return false;
}

CommandSpec printCommand() {
    CommandSpec spec{"print", "KIND [OPZIONI] -o FILE",
                     "Prepara i fogli di etichette e li scrive in FILE.pdf, FILE.frp (report preparato)\n"
                     "o FILE.png (un'immagine per pagina: FILE-1.png, FILE-2.png, ...).\n"
                     "KIND: series, calendar, exemptions, oxygen, fiscal, free CODICE...",
                     labelJobOptions()};
    spec.options.push_back({"o", "FILE", "il file da scrivere: .pdf, .frp o .png"});
    spec.options.push_back({"dpi", "N", "risoluzione delle immagini PNG (predefinita 300)"});
    spec.options.insert(spec.options.end(), sheetOptions().begin(), sheetOptions().end());
    spec.options.push_back(offsetOption());
    return spec;
}

// The print list and the template are dropped once the sheets are prepared, so that writing
// them holds only the prepared pages (at 100,000 codes the list alone is 14 MB); `parsed` is
// dropped as soon as the sheet options are read.
std::unique_ptr<prepared::PreparedPages> prepareSheets(std::unique_ptr<const Options>& parsed,
                                                       labels::LabelJob& job, ProgramServices& services,
                                                       int& exitCode) {
    const Options& options = *parsed;
    labels::qt::QtFileLocker locker;
    labels::LabelApp labelApp(options.value("--dir").value_or("."), locker);
    labels::runLabelJob(labelApp, job);
    const labels::ReportKind chosen = labels::jobReportKind(labelApp, job);
    std::vector<std::string>().swap(job.freeCodes);  // the print list holds them now
    if (chosen == labels::ReportKind::None) {
        exitCode = fault("nessun modello da stampare");
        return nullptr;
    }

    StderrErrors errors;
    const preparation::ReportServices reportServices = services.reportServices();
    labels::LabelReports reports(labelApp.printList(), &labelApp.fiscalCodes(), errors, reportServices);
    exitCode = 1;
    if (errors.count > 0) return nullptr;
    // Every label must scan as the text it shows, on a label that holds its symbol.
    const labels::PrintTemplate printTemplate =
        labels::choosePrintTemplate(reports, labelApp.printList(), chosen, !job.templateOverride);
    if (!printTemplate.notice.empty())
        std::fprintf(stderr, "quirelle print: %s\n", printTemplate.notice.c_str());
    const int kind = static_cast<int>(printTemplate.kind);
    ProgressOnTerminal progress;
    preparation::PrepareOptions prepareOptions;
    prepareOptions.progressDisplay = &progress;
    applySheetOptions(options, labels::labelsPerSheet(reports.report(kind)), prepareOptions);
    parsed.reset();  // nothing below reads the options
    if (!reports.prepare(kind, prepareOptions)) {
        if (errors.count == 0) exitCode = fault("preparazione annullata");
        return nullptr;
    }
    auto pages = std::make_unique<prepared::PreparedPages>(nullptr, reportServices.printer);
    pages->imageCodec = reportServices.imageCodec;
    pages->takePages(reports.pages(kind));
    exitCode = 0;
    return pages;
}

}  // namespace

int runPrint(const Args& args) {
    // Held by pointer so that the parsed arguments can be dropped before the sheets are prepared.
    auto parsed = std::make_unique<const Options>(args, printCommand());
    const Options& options = *parsed;
    labels::LabelJob job = parseLabelJob(options);
    const std::string output = options.value("-o").value_or("");
    if (output.empty()) throw UsageError("serve -o FILE.pdf, -o FILE.frp o -o FILE.png");
    const PrintTarget target = targetOf(output);
    const int dpi =
        options.intValue("--dpi", export_::qt::kMinImageDpi, export_::qt::kMaxImageDpi).value_or(kDefaultDpi);
    if (options.has("--dpi") && target != PrintTarget::Png)
        throw UsageError("--dpi vale solo per le immagini PNG");
    if (options.has("--offset") && target == PrintTarget::Frp)
        throw UsageError("--offset vale solo per PDF e PNG: il report preparato non si sposta");

    const auto guiApp = target == PrintTarget::Frp ? nullptr : ensureGuiApplication();
    ProgramServices services(PrinterSource::VirtualOnly);
    try {
        const printer::PageOffset offset =
            target == PrintTarget::Frp ? printer::PageOffset{} : outputOffset(options, "print");
        int exitCode = 0;
        std::unique_ptr<prepared::PreparedPages> pages = prepareSheets(parsed, job, services, exitCode);
        if (!pages) return exitCode;

        std::string error;
        if (!writeOutput(*pages, target, output, dpi, offset, error)) return fault(error);
        return 0;
    } catch (const UsageError&) {
        throw;  // --start is checked against the template's sheet only once it is loaded
    } catch (const std::exception& e) {
        return fault(e.what());
    }
}

}  // namespace app
