// How a print run reports its pages and learns of a cancel. The progress window of the layers
// above implements these; prepared/ only needs the two calls.
#pragma once

#include <functional>
#include <string>

namespace preview {

class PrintProgress {
public:
    virtual ~PrintProgress() = default;
    // Page `pageNumber` (from 1) has gone to the printer: show it and let pending window
    // messages run, which is when a cancel arrives.
    virtual void pagePrinted(int pageNumber) = 0;
    // True once the operator cancelled; the run aborts its job after the current page.
    virtual bool cancelled() const = 0;
};

// A modal progress window that runs a print inside it.
class PrintProgressWindow {
public:
    virtual ~PrintProgressWindow() = default;
    // Clears any earlier cancel, shows `caption` with the status line `status`, runs `work`
    // once the window is on screen and closes the window afterwards.
    virtual void run(const std::string& caption, const std::string& status,
                     const std::function<void(PrintProgress&)>& work) = 0;
};

}  // namespace preview
