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

}  // namespace labels
