// Deterministic text metrics for surfaces without a real font: every character is
// round(0.6 × height) pixels wide and the text is |height| pixels high.
#pragma once

#include <string_view>

#include "platform/Canvas.h"

namespace platform {

Size fixedTextExtent(const Font& font, std::string_view utf8);

}  // namespace platform
