// A request for one print list, as the command line states it: which fill command to run and
// with what selector values. The list is built through LabelApp, so the window's rules apply.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "labels/LabelApp.h"

namespace labels {

enum class LabelKind { Series, Calendar, Exemptions, Oxygen, Fiscal, Free };

struct LabelJob {
    LabelKind kind = LabelKind::Series;
    int year = kFirstYear;
    MonthIndex month;  // empty: no month selected
    SeriesLength length = SeriesLength::Short;
    ClosingKind closing = ClosingKind::YearBased;
    std::optional<std::filesystem::path> file;  // exemptions/oxygen: instead of the default file
    std::vector<std::string> freeCodes;         // free: one label each
    std::optional<ReportKind> templateOverride;
};

// The kind named on the command line ("series", "calendar", ...); empty when unknown.
std::optional<LabelKind> labelKindFromName(const std::string& name);

// Runs the job's fill command(s) on an app whose start() has run.
void fillPrintList(LabelApp& labelApp, const LabelJob& job);

// The command line's run of a job on a fresh app: loads cf0.txt only for the fiscal codes
// (never creating it: the directory is left as it is), then fills the print list. Throws
// AppError when the working directory does not exist or cf0.txt cannot be read.
void runLabelJob(LabelApp& labelApp, const LabelJob& job);

// The texts of the print list in order; empty when the list is closed.
std::vector<std::string> printListTexts(memtable::MemTable& printList);

// The template the job prints with: the override, else the one its fill command chose.
ReportKind jobReportKind(const LabelApp& labelApp, const LabelJob& job);

}  // namespace labels
