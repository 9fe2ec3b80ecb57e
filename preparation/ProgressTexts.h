// The captions and status lines of the progress window, made from the numbered UI texts.
#pragma once

#include <optional>
#include <string>

namespace preparation {

// "Preparazione report", followed by " - " and the title when there is one; preparation and
// printing share it.
std::string progressCaption(const std::string& reportTitle);
// "Esecuzione primo passaggio:" on the first of two passes, else "Elaborazione pagina:".
std::string preparationBaseText(bool firstOfTwoPasses);
// "Stampa pagina:".
std::string printingBaseText();
// Base text, two blanks and the page number; with a known total (final pass of a two-pass
// report, or an export) also " from " and the total.
std::string progressStatus(const std::string& baseText, int page, std::optional<int> total = std::nullopt);

}  // namespace preparation
