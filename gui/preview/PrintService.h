// The preview's print button hands the held pages to whoever runs print jobs (the print
// dialog and print run). A window given none does nothing on print.
#pragma once

#include <functional>
#include <string>

class QWidget;

namespace prepared {
class PreparedPages;
}

namespace gui::preview {

// What the preview shows when its print button is pressed.
struct ShownDocument {
    int currentPage = 1;  // 1-based: "Pagina corrente" in the print dialog
    // The report's title or the name of the file opened; "" when the preview names none.
    std::string title;
    // Opens the preview's sheet settings over the given dialog; empty when the preview has none.
    std::function<void(QWidget* over)> sheetSettings = {};
};

class PrintService {
public:
    virtual ~PrintService() = default;
    // Asks for the print settings and prints; errors are the service's to show.
    virtual void print(prepared::PreparedPages& pages, const ShownDocument& shown, QWidget* parent) = 0;
};

}  // namespace gui::preview
