// Which of the four label templates the next print run uses.
#pragma once

namespace labels {

enum class ReportKind {
    None = 0,           // no fill command yet: printing does nothing
    Series = 1,         // "Codici", "Inserisci", "I"
    Exemptions = 2,     // "Codici Esenzioni"
    Oxygen = 3,         // "Codici Ossigeno"
    DatesAndCodes = 4,  // "Calendario", "Stampa C.F."
};

// What the sheets of a template hold, as the operator knows them; it names their print jobs
// and the template in messages. Empty for None.
inline const char* reportKindTitle(ReportKind kind) {
    switch (kind) {
        case ReportKind::Series:
            return "Codici";
        case ReportKind::Exemptions:
            return "Codici Esenzioni";
        case ReportKind::Oxygen:
            return "Codici Ossigeno";
        case ReportKind::DatesAndCodes:
            return "Calendario e codici fiscali";
        case ReportKind::None:
            break;
    }
    return "";
}

}  // namespace labels
