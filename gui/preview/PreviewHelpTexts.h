// The pop-up help of the preview window: one short text per control tag.
#pragma once

#include <string>

namespace gui::preview {

// Context tags of the preview's controls.
enum PreviewHelpTag {
    kTagZoom = 200,
    kTagOpen = 201,
    kTagSave = 202,
    kTagPrint = 203,
    kTagFind = 204,
    kTagExit = 205,
    kTagPageText = 206,
    kTagPageBox = 207,
};

// "" for a tag without help.
std::string previewHelpText(int tag);

}  // namespace gui::preview
