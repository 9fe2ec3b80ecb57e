#include "prepared/PrintProgress.h"

namespace prepared {

std::string printStatusText(const PrintPosition& at) {
    std::string text = "Stampa pagina " + std::to_string(at.sheet) + " di " + std::to_string(at.sheets);
    if (at.copies <= 1) return text;
    if (at.copy == 0) return text + ", " + std::to_string(at.copies) + " copie";
    return text + ", copia " + std::to_string(at.copy) + " di " + std::to_string(at.copies);
}

}  // namespace prepared
