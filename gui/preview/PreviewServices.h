// What a preview window uses from the running program: who prints its pages and what the
// windows remember. The program builds them in app/ and hands them to each window.
#pragma once

namespace gui::preview {

class PreviewMemory;
class PrintService;

struct PreviewServices {
    PrintService* printService = nullptr;  // none: the print button does nothing
    PreviewMemory* memory = nullptr;       // none: the window keeps its own over the user's settings
};

}  // namespace gui::preview
