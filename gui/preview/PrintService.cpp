#include "gui/preview/PrintService.h"

namespace preview {

namespace {
PrintService* g_service = nullptr;
}

PrintService* programPrintService() {
    return g_service;
}
void setProgramPrintService(PrintService* service) {
    g_service = service;
}

}  // namespace preview
