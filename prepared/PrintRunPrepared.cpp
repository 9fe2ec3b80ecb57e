// printPrepared: the print run with or without the progress window.
#include "prepared/PrintRun.h"

#include <utility>

#include "platform/UiText.h"

namespace prepared {

namespace {

constexpr int kCaptionText = 55203;  // "Preparazione report"
constexpr int kStatusText = 55208;   // "Stampa pagina:"

// Progress for a run without the window: pages go to the report's handler, nothing cancels.
class HandlerProgress final : public PrintProgress {
public:
    explicit HandlerProgress(const std::function<void(int)>& handler) : handler_(handler) {}
    void pagePrinted(const PrintPosition& at) override {
        if (handler_) handler_(at.pageNumber);
    }
    bool cancelled() const override { return false; }

private:
    const std::function<void(int)>& handler_;
};

// Holds back the pages' mouse-over handler for as long as it lives.
class MouseOverPause {
public:
    explicit MouseOverPause(PreparedPages& pages)
        : pages_(pages), saved_(std::move(pages.onMouseOverObject)) {
        pages_.onMouseOverObject = nullptr;
    }
    ~MouseOverPause() { pages_.onMouseOverObject = std::move(saved_); }
    MouseOverPause(const MouseOverPause&) = delete;
    MouseOverPause& operator=(const MouseOverPause&) = delete;

private:
    PreparedPages& pages_;
    std::function<void(report::View&, int&)> saved_;
};

std::string windowCaption(const std::string& title) {
    std::string caption = platform::uiText(kCaptionText);
    if (!title.empty()) caption += " - " + title;
    return caption;
}

}  // namespace

void printPrepared(PreparedPages& pages, const PrintOptions& options, const PrintReportSettings& report,
                   PrintProgressWindow* window) {
    if (report.onProgress || !report.showProgress || !window) {
        MouseOverPause pause(pages);
        HandlerProgress progress(report.onProgress);
        runPrint(pages, options, report, &progress);
        return;
    }
    window->run(windowCaption(report.title), platform::uiText(kStatusText),
                [&](PrintProgress& progress) { runPrint(pages, options, report, &progress); });
}

}  // namespace prepared
