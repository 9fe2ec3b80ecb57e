#include "preparation/ProgressDisplay.h"

namespace report {
namespace {
ProgressDisplay* g_display = nullptr;
}

ProgressDisplay* programProgressDisplay() {
    return g_display;
}
void setProgramProgressDisplay(ProgressDisplay* display) {
    g_display = display;
}

}  // namespace report
