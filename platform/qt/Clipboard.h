// The system clipboard's text.
#pragma once

#include <string>

namespace platform::qt {

class Clipboard {
public:
    static void setText(const std::string& utf8);
    // "" when the clipboard holds no text.
    static std::string text();
};

}  // namespace platform::qt
