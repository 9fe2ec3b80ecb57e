#include "platform/qt/QtConvert.h"

#include <algorithm>
#include <cstdlib>

namespace platform::qt {

QFont toQFont(const Font& f) {
    QFont q(toQString(f.name));
    // Heights past any real text are cut down rather than handed to the font engine.
    constexpr int kLargestPixelSize = 20000;
    q.setPixelSize(std::clamp(std::abs(std::max(f.height, -kLargestPixelSize)), 1, kLargestPixelSize));
    q.setBold((f.style & kBold) != 0);
    q.setItalic((f.style & kItalic) != 0);
    q.setUnderline((f.style & kUnderline) != 0);
    q.setStrikeOut((f.style & kStrikeOut) != 0);
    // Whole-pixel advances keep measured and drawn widths equal on every device.
    q.setHintingPreference(QFont::PreferFullHinting);
    return q;
}

}  // namespace platform::qt
