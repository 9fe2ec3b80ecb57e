#include "platform/FixedTextMetrics.h"

#include <cmath>
#include <cstdlib>

#include "platform/ClampedInt.h"
#include "platform/Utf8.h"

namespace platform {

Size fixedTextExtent(const Font& font, std::string_view utf8) {
    const std::int64_t height = std::abs(std::int64_t{font.height});
    const std::int64_t charWidth = std::llround(0.6 * double(height));
    return {clampedInt(charWidth * std::int64_t(utf8Length(utf8))), clampedInt(height)};
}

}  // namespace platform
