// The preview's print button hands the held pages to whoever runs print jobs (the print
// dialog and print run). A window given none does nothing on print.
#pragma once

class QWidget;

namespace prepared {
class PreparedPages;
}

namespace gui::preview {

class PrintService {
public:
    virtual ~PrintService() = default;
    // Asks for the print settings and prints; errors are the service's to show.
    virtual void print(prepared::PreparedPages& pages, QWidget* parent) = 0;
};

}  // namespace gui::preview
