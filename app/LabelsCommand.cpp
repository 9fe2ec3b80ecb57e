// quirelle labels KIND [OPTIONS]: builds the print list with the main window's fill commands
// and prints it, one label text a line.
#include <cstdio>
#include <exception>
#include <string>

#include "app/LabelJobOptions.h"
#include "app/Options.h"
#include "app/SheetOptions.h"
#include "app/Subcommands.h"
#include "labels/AppError.h"
#include "labels/LabelApp.h"
#include "labels/LabelJob.h"
#include "labels/LabelReports.h"
#include "labels/LabelSlots.h"
#include "labels/PrintTemplateChoice.h"
#include "labels/qt/QtFileLocker.h"
#include "report/ErrorReporter.h"

namespace app {

namespace {

CommandSpec labelsCommand() {
    CommandSpec spec{"labels", "KIND [OPZIONI]",
            "Scrive le etichette nell'ordine dei fogli, una per riga; con --start le posizioni\n"
            "lasciate vuote sono righe vuote.\n"
            "KIND: series, calendar, exemptions, oxygen, fiscal, free CODICE...",
            labelJobOptions()};
    spec.options.insert(spec.options.end(), sheetOptions().begin(), sheetOptions().end());
    return spec;
}

// Labels a sheet holds on the template `print` would use; what `print` would say about the
// template is said here too, as a note: a listing prints nothing, so it refuses nothing.
int labelsPerSheetOfPrint(labels::LabelApp& labelApp, const labels::LabelJob& job) {
    labels::ReportKind kind = labels::jobReportKind(labelApp, job);
    if (kind == labels::ReportKind::None) return 0;
    report::CollectingErrorReporter errors;
    labels::LabelReports reports(labelApp.printList(), nullptr, errors);
    if (!errors.messages.empty()) throw labels::AppError(errors.messages.front());
    std::string note;
    try {
        const labels::PrintTemplate printTemplate =
            labels::choosePrintTemplate(reports, labelApp.printList(), kind, !job.templateOverride);
        kind = printTemplate.kind;
        note = printTemplate.notice;
    } catch (const labels::AppError& refused) {
        note = refused.what();
    }
    if (!note.empty()) std::fprintf(stderr, "quirelle labels: nota: %s\n", note.c_str());
    return labels::labelsPerSheet(reports.report(static_cast<int>(kind)));
}

}  // namespace

int runLabels(const Args& args) {
    const Options options(args, labelsCommand());
    const labels::LabelJob job = parseLabelJob(options);
    try {
        labels::qt::QtFileLocker locker;
        labels::LabelApp labelApp(options.value("--dir").value_or("."), locker);
        labels::runLabelJob(labelApp, job);
        const int perSheet = labelsPerSheetOfPrint(labelApp, job);
        preparation::PrepareOptions sheet;
        if (options.has("--start") || options.has("--copies")) applySheetOptions(options, perSheet, sheet);
        for (int blank = 0; blank < sheet.blankPositions; ++blank) std::printf("\n");
        for (const std::string& text : labels::printListTexts(labelApp.printList()))
            for (int copy = 0; copy < sheet.copiesPerRecord; ++copy) std::printf("%s\n", text.c_str());
        return 0;
    } catch (const UsageError&) {
        throw;  // --start is checked against the template's sheet once the list is filled
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quirelle labels: %s\n", e.what());
        return 1;
    }
}

}  // namespace app
