// The progress window of the command line: the status line on standard error, rewritten in
// place, and only when standard error is a terminal (so logs and pipes stay clean).
#pragma once

#include <string>

#include "preparation/ProgressDisplay.h"

namespace app {

class ProgressOnTerminal : public preparation::ProgressDisplay {
public:
    // `enabled` false: shows nothing (the default asks isatty on standard error).
    explicit ProgressOnTerminal(bool enabled = stderrIsTerminal());

    void run(preparation::ReportProgress& progress, const std::string& caption, const std::string& status,
             const std::function<void()>& work) override;
    void setStatus(const std::string& status) override;

    static bool stderrIsTerminal();

private:
    bool enabled_;
    std::string caption_;
};

}  // namespace app
