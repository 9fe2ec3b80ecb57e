// What each key does in the preview window. The window asks here, so the key table is data.
#pragma once

#include <Qt>

namespace gui::preview {

enum class PreviewAction {
    None,
    LineUp,
    LineDown,
    LineLeft,
    LineRight,  // small scroll steps
    ScreenUp,
    ScreenDown,  // large vertical steps
    PreviousPage,
    NextPage,
    FirstLine,
    LastPage,
    ZoomMenu,
    exit,
    SearchAgain,
    Open,
    Save,
    Print,
    Find,
    EditPage,
};

// The action for a key with or without Ctrl held; None for keys the window leaves alone
// (Home and End without Ctrl among them).
PreviewAction previewKeyAction(int key, bool ctrl);

}  // namespace gui::preview
