#include "app/LabelJobOptions.h"

#include <map>
#include <set>

#include "labels/TodaySelection.h"

namespace app {

namespace {

// Options each kind accepts besides the common --dir and --template.
const std::map<labels::LabelKind, std::set<std::string>>& kindOptions() {
    static const std::map<labels::LabelKind, std::set<std::string>> table = {
        {labels::LabelKind::Series, {"--year", "--month", "--count", "--closing"}},
        {labels::LabelKind::Calendar, {"--year", "--month"}},
        {labels::LabelKind::Exemptions, {"--file"}},
        {labels::LabelKind::Oxygen, {"--file"}},
        {labels::LabelKind::Fiscal, {}},
        {labels::LabelKind::Free, {}},
    };
    return table;
}

void checkOptionsFitKind(const Options& options, labels::LabelKind kind, const std::string& kindName) {
    const std::set<std::string>& allowed = kindOptions().at(kind);
    for (const OptionSpec& option : labelJobOptions()) {
        const std::string name = dashed(option.name);
        if (name == "--dir" || name == "--template") continue;
        if (options.has(name) && !allowed.count(name))
            throw UsageError("l'opzione " + name + " non vale per " + kindName);
    }
    if (kind != labels::LabelKind::Free && options.positional().size() > 1)
        throw UsageError("argomento inatteso: " + options.positional()[1]);
}

labels::SeriesLength seriesLength(const Options& options) {
    const auto count = options.value("--count");
    if (!count || *count == "53") return labels::SeriesLength::Short;
    if (*count == "107") return labels::SeriesLength::Medium;
    if (*count == "161") return labels::SeriesLength::Long;
    throw UsageError("valore non valido per --count: " + *count + " (ammesso 53, 107 o 161)");
}

labels::ClosingKind closingKind(const Options& options) {
    const auto closing = options.value("--closing");
    if (!closing || *closing == "year" || *closing == "999mm") return labels::ClosingKind::YearBased;
    if (*closing == "99999") return labels::ClosingKind::AllNines;
    throw UsageError("valore non valido per --closing: " + *closing + " (ammesso year o 99999)");
}

}  // namespace

const std::vector<OptionSpec>& labelJobOptions() {
    static const std::vector<OptionSpec> options = {
        {"year", "Y", "anno, 2001-2100 (series, calendar; predefinito quello di oggi)"},
        {"month", "M", "mese, 1-12 (series, calendar; predefinito quello di oggi)"},
        {"count", "N", "codici della serie: 53, 107 o 161 (series; predefinito 53)"},
        {"closing", "C", "codice di chiusura: year (999mm) o 99999 (series)"},
        {"file", "PATH", "il file dei codici (exemptions: ESENZIONI.txt, oxygen: OXY.txt)"},
        {"dir", "DIR", "la cartella dei file dei codici (predefinita quella corrente)"},
        {"template", "N", "un altro modello di etichette, 1-4"},
    };
    return options;
}

labels::LabelJob parseLabelJob(const Options& options) {
    if (options.positional().empty())
        throw UsageError("manca il tipo di etichette (series, calendar, exemptions, oxygen, fiscal, free)");
    const std::string& kindName = options.positional().front();
    const auto kind = labels::labelKindFromName(kindName);
    if (!kind) throw UsageError("tipo di etichette sconosciuto: " + kindName);
    checkOptionsFitKind(options, *kind, kindName);

    // Year and month default to today, as the window's selectors start.
    const labels::YearMonthSelection today = labels::todaysSelection();
    labels::LabelJob job;
    job.kind = *kind;
    job.year = options.intValue("--year", labels::kFirstYear, labels::kLastYear).value_or(today.year);
    job.month = options.intValue("--month", 1, 12).value_or(today.monthIndex + 1) - 1;
    job.length = seriesLength(options);
    job.closing = closingKind(options);
    if (const auto file = options.value("--file")) job.file = std::filesystem::path(*file);
    if (const auto kindNumber = options.intValue("--template", 1, 4))
        job.templateOverride = static_cast<labels::ReportKind>(*kindNumber);
    // Upper-cased and checked on their way into the print list, as every code is.
    if (*kind == labels::LabelKind::Free)
        job.freeCodes.assign(options.positional().begin() + 1, options.positional().end());
    return job;
}

}  // namespace app
