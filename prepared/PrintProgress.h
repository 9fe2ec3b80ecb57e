// How a print run reports its pages and learns of a cancel. The progress window of the layers
// above implements these; prepared/ only needs the two calls.
#pragma once

#include <functional>
#include <string>

namespace prepared {

// Where a print run is: the page just sent, its place among the pages of one pass, and the copy.
struct PrintPosition {
    int pageNumber = 0;  // the report's page number, from 1
    int sheet = 0;       // 1..sheets: the page's place among those this run prints
    int sheets = 0;
    int copy = 1;  // 1..copies; 0 when every copy of the page went at once (uncollated copies)
    int copies = 1;
};

// The progress window's status line: "Stampa pagina 2 di 3, copia 5 di 999".
std::string printStatusText(const PrintPosition& at);

class PrintProgress {
public:
    virtual ~PrintProgress() = default;
    // A page has gone to the printer: show it and let pending window messages run, which is
    // when a cancel arrives.
    virtual void pagePrinted(const PrintPosition& at) = 0;
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

}  // namespace prepared
