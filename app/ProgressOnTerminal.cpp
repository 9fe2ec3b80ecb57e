#include "app/ProgressOnTerminal.h"

#include <unistd.h>

#include <cstdio>

namespace app {

ProgressOnTerminal::ProgressOnTerminal(bool enabled) : enabled_(enabled) {}

bool ProgressOnTerminal::stderrIsTerminal() {
    return isatty(STDERR_FILENO) == 1;
}

void ProgressOnTerminal::run(preparation::ReportProgress&, const std::string& caption,
                             const std::string& status, const std::function<void()>& work) {
    caption_ = caption;
    setStatus(status);
    work();
    if (enabled_) std::fputs("\n", stderr);
}

void ProgressOnTerminal::setStatus(const std::string& status) {
    if (!enabled_) return;
    // "\r" and clear-to-end-of-line: the line is rewritten in place at each page.
    std::fprintf(stderr, "\r%s - %s\033[K", caption_.c_str(), status.c_str());
    std::fflush(stderr);
}

}  // namespace app
