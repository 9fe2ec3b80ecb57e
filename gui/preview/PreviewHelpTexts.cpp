#include "gui/preview/PreviewHelpTexts.h"

#include <array>

namespace gui::preview {

namespace {

struct HelpEntry {
    int tag;
    const char* text;
};

constexpr std::array kHelp{
    HelpEntry{kTagZoom,
              "Scala: sceglie l'ingrandimento delle pagine, una percentuale fissa oppure "
              "larghezza pagina, pagina intera o due pagine affiancate (tasto Spazio)."},
    HelpEntry{kTagOpen, "Apri report: carica un report preparato salvato in un file .frp (Ctrl+O)."},
    HelpEntry{kTagSave, "Salva report: salva le pagine preparate in un file .frp, oppure in PDF (Ctrl+S)."},
    HelpEntry{kTagPrint, "Stampa report: sceglie stampante, copie e pagine e stampa il report (Ctrl+P)."},
    HelpEntry{kTagFind, "Trova testo: cerca un testo nelle pagine; F3 cerca di nuovo (Ctrl+F)."},
    HelpEntry{kTagExit, "Chiudi anteprima: chiude questa finestra (Esc)."},
    HelpEntry{kTagPageText, "La pagina corrente e il numero delle pagine del report."},
    HelpEntry{kTagPageBox,
              "Le pagine del report. Trascinare con il mouse per spostarle; Ctrl+Pag Su e "
              "Ctrl+Pag Giù passano alla pagina precedente o successiva; il tasto destro "
              "apre il menu della scala."},
};

}  // namespace

std::string previewHelpText(int tag) {
    for (const HelpEntry& e : kHelp)
        if (e.tag == tag) return e.text;
    return {};
}

}  // namespace gui::preview
