#include "platform/FixedTextMetrics.h"

#include <cmath>
#include <cstdlib>

#include "platform/Utf8.h"

namespace platform {

Size fixedTextExtent(const Font& font, std::string_view utf8) {
    const int height = std::abs(font.height);
    const int charWidth = static_cast<int>(std::lround(0.6 * height));
    return {charWidth * static_cast<int>(utf8Length(utf8)), height};
}

}  // namespace platform
