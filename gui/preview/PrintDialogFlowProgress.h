// The engine's progress window as the print run's progress window.
#pragma once

#include "preparation/ProgressDisplay.h"
#include "prepared/PrintProgress.h"

namespace preview {

class ProgressDisplayPrintWindow final : public PrintProgressWindow {
public:
    explicit ProgressDisplayPrintWindow(report::ProgressDisplay& display) : display_(display) {}
    void run(const std::string& caption, const std::string& status,
             const std::function<void(PrintProgress&)>& work) override;

private:
    report::ProgressDisplay& display_;
};

}  // namespace preview
