#include "platform/UiText.h"

#include <algorithm>
#include <iterator>

namespace platform {

namespace {

struct Entry {
    int number;
    const char* text;
};

// Sorted by number.
constexpr Entry kTexts[] = {
    // Text search dialog.
    {53000, "Trova testo"},
    {53001, "Testo da &trovare"},
    {53002, "Opzioni"},
    {53003, "&Maiuscole/minuscole"},
    {53004, "Origine"},
    {53005, "&Prima pagina"},
    {53006, "Pag. &corrente"},
    // Preview window: zoom menu and button hints.
    {53020, "&Larghezza pagina"},
    {53021, "Pagina &intera"},
    {53022, "&Due pagine"},
    {53023, "Chiudi anteprima"},
    {53024, "Scala"},
    {53025, "Apri report"},
    {53026, "Salva report"},
    {53027, "Stampa report"},
    {53028, "Trova testo"},
    {53029, "Modifica pagina"},
    {53030, "Aggiungi pagina"},
    {53031, "Elimina pagina"},
    {53032, "Guida"},
    // Print dialog.
    {53040, "Stampa"},
    {53041, "Stampante"},
    {53042, "Proprietà"},
    {53043, "Copie"},
    {53044, "Pagine da stampare"},
    {53045, "&Tutte"},
    {53046, "Pa&gina corrente"},
    {53047, "&Pagine:"},
    {53048, "Immettere i numeri di pagina e/o gli intervalli di pagina separati da virgole. Es.:1,3,5-12"},
    {53049, "&Nome:"},
    {53050, "Numero di &copie:"},
    {53051, "Fascico&la"},
    {53052, "&Stampa"},
    {53053, "Tutte le pagine"},
    {53054, "Pagine dispari"},
    {53055, "Pagine pari"},
    // Common buttons, page label, printer.
    {55000, "OK"},
    {55001, "Annulla"},
    {55004, "Pagina"},
    {55007, "Stampante virtuale"},
    // Band type names, 55077 + band type.
    {55077, "Titolo report"},
    {55078, "Sommario report"},
    {55079, "Intestaz. pagina"},
    {55080, "Piede pagina"},
    {55081, "Intestaz. master"},
    {55082, "Dati master"},
    {55083, "Piede master"},
    {55084, "Intestaz. dettaglio"},
    {55085, "Dati dettaglio"},
    {55086, "Piede dettaglio"},
    {55087, "Intestaz. sotto-dettaglio"},
    {55088, "Dati sotto-dettaglio"},
    {55089, "Piede sotto-dettaglio"},
    {55090, "Pagina"},
    {55091, "Intestaz. colonna"},
    {55092, "Piede colonna"},
    {55093, "Intestaz. gruppo"},
    {55094, "Piede gruppo"},
    {55095, "Intestaz. crosstab"},
    {55096, "Dati crosstab"},
    {55097, "Piede crosstab"},
    {55098, "Figlio"},
    {55099, "Nessuno"},
    // Format categories and formats.
    {55130, "Testo"},
    {55131, "Numero"},
    {55132, "Data"},
    {55133, "Ora"},
    {55134, "Logico"},
    {55170, "0;1"},
    {55171, "No;Si"},
    {55172, "_;x"},
    {55173, "Falso;Vero"},
    {55175, "dd/mm/yy"},
    {55176, "dd/mm/yyyy"},
    {55177, "d mmm yyyy"},
    {55178, "d mmmm yyyy"},
    {55179, "hh:nn:ss"},
    {55180, "h:nn:ss"},
    {55181, "hh:nn"},
    {55182, "h:nn"},
    // Progress, preparation and preview messages.
    {55199, "from"},
    {55200, "Si è verificato un errore durante i calcoli"},
    {55201, "Report:"},
    {55202, "Oggetto:"},
    {55203, "Preparazione report"},
    {55204, "Esecuzione primo passaggio:"},
    {55205, "Elaborazione pagina:"},
    {55206, "Errore"},
    {55207, "Anteprima"},
    {55208, "Stampa pagina:"},
    {55209, "Senza titolo"},
    {55211, "File di report"},
    // Defaults and errors.
    {55337, "1"},
    {55339, "Errore nel codice a barre"},
    {55345, "Formato FRF non supportato"},
    {55439, "Simbolo non definito"},
};

static_assert(std::adjacent_find(std::begin(kTexts), std::end(kTexts),
                                 [](const Entry& a, const Entry& b) { return a.number >= b.number; }) ==
                  std::end(kTexts),
              "UI texts must stay sorted by number, each number once");

}  // namespace

std::string uiText(int number) {
    const auto it = std::lower_bound(std::begin(kTexts), std::end(kTexts), number,
                                     [](const Entry& e, int n) { return e.number < n; });
    if (it == std::end(kTexts) || it->number != number) return {};
    return it->text;
}

}  // namespace platform
