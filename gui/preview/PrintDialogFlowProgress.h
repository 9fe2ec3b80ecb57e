// The engine's progress window as the print run's progress window.
#pragma once

#include "preparation/ProgressDisplay.h"
#include "prepared/PrintProgress.h"

namespace gui::preview {

class ProgressDisplayPrintWindow final : public prepared::PrintProgressWindow {
public:
    explicit ProgressDisplayPrintWindow(preparation::ProgressDisplay& display) : display_(display) {}
    void run(const std::string& caption, const std::string& status,
             const std::function<void(prepared::PrintProgress&)>& work) override;

private:
    preparation::ProgressDisplay& display_;
};

}  // namespace gui::preview
