#include "labels/LabelJob.h"

#include "labels/AppError.h"

#include <map>

namespace labels {

std::optional<LabelKind> labelKindFromName(const std::string& name) {
    static const std::map<std::string, LabelKind> kinds = {
        {"series", LabelKind::Series},         {"calendar", LabelKind::Calendar},
        {"exemptions", LabelKind::Exemptions}, {"oxygen", LabelKind::Oxygen},
        {"fiscal", LabelKind::Fiscal},         {"free", LabelKind::Free},
    };
    auto it = kinds.find(name);
    if (it == kinds.end()) return std::nullopt;
    return it->second;
}

void fillPrintList(LabelApp& labelApp, const LabelJob& job) {
    switch (job.kind) {
        case LabelKind::Series:
            labelApp.fillSeries(job.year, job.month, job.length, job.closing);
            break;
        case LabelKind::Calendar:
            labelApp.fillCalendar(job.year, job.month);
            break;
        case LabelKind::Exemptions:
            labelApp.fillExemptions(job.file);
            break;
        case LabelKind::Oxygen:
            labelApp.fillOxygen(job.file);
            break;
        case LabelKind::Fiscal:
            labelApp.fillFiscalCodes();
            break;
        case LabelKind::Free:
            // Like "Reset" followed by one "Inserisci" per code.
            labelApp.reset();
            for (const std::string& code : job.freeCodes) labelApp.insertLabel(code);
            break;
    }
}

void runLabelJob(LabelApp& labelApp, const LabelJob& job) {
    std::error_code error;
    if (!std::filesystem::is_directory(labelApp.workDir(), error))
        throw AppError("la cartella " + labelApp.workDir().string() + " non esiste o non \xC3\xA8 una cartella");
    if (job.kind == LabelKind::Fiscal) {
        // A reading command never writes: a missing cf0.txt is an empty list, not a new file.
        const std::string problem = labelApp.start(LabelApp::MissingCodeFile::LeaveAbsent);
        if (!problem.empty()) throw AppError(problem);
    }
    fillPrintList(labelApp, job);
}

std::vector<std::string> printListTexts(memtable::MemTable& printList) {
    std::vector<std::string> texts;
    if (!printList.isActive()) return texts;
    for (printList.first(); !printList.eof(); printList.next())
        texts.push_back(printList.fieldText("giorno"));
    return texts;
}

ReportKind jobReportKind(const LabelApp& labelApp, const LabelJob& job) {
    return job.templateOverride.value_or(labelApp.reportKind());
}

}  // namespace labels
