// The report's settings that shape a preview window.
#pragma once

#include <functional>
#include <string>

class QWidget;

namespace gui::preview {

// Toolbar buttons a report may ask for (bit set).
enum PreviewButton : unsigned {
    pbZoom = 1u << 0,
    pbLoad = 1u << 1,
    pbSave = 1u << 2,
    pbPrint = 1u << 3,
    pbFind = 1u << 4,
    pbHelp = 1u << 5,
    pbExit = 1u << 6,
    pbPageSetup = 1u << 7,
};
// Every button but page setup: what all label templates use.
inline constexpr unsigned kDefaultPreviewButtons =
    pbZoom | pbLoad | pbSave | pbPrint | pbFind | pbHelp | pbExit;

enum class PreviewZoom { pzDefault, pzPageWidth, pzOnePage, pzTwoPages };

// Where the pages a preview shows come from. Pages prepared from the print list can be
// prepared again (another first label, more copies); pages read from a prepared-report file
// are the file's and cannot.
enum class ShownPages { Prepared, FromFile };

struct PreviewOptions {
    unsigned buttons = kDefaultPreviewButtons;
    PreviewZoom initialZoom = PreviewZoom::pzDefault;
    bool modal = true;
    bool grayedButtons = false;
    // Follows "Anteprima - " in the caption when not empty.
    std::string title;
    // "Impostazioni foglio" (toolbar and print dialog): opens the sheet settings over the
    // widget given for the pages shown, calling `beforePreparing` just before the pages are
    // prepared again; true when they were. None: no such button.
    std::function<bool(QWidget* parent, ShownPages shown, const std::function<void()>& beforePreparing)>
        sheetSettings;
};

}  // namespace gui::preview
