#include "report/DocumentMode.h"

namespace report {
namespace {
DocumentMode g_mode = DocumentMode::Designing;
}

DocumentMode documentMode() {
    return g_mode;
}
void setDocumentMode(DocumentMode mode) {
    g_mode = mode;
}

}  // namespace report
