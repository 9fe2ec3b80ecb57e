#include "platform/qt/QtConvert.h"

#include <cstdlib>

namespace platform::qt {

QFont toQFont(const Font& f) {
    QFont q(toQString(f.name));
    q.setPixelSize(std::max(1, std::abs(f.height)));
    q.setBold((f.style & kBold) != 0);
    q.setItalic((f.style & kItalic) != 0);
    q.setUnderline((f.style & kUnderline) != 0);
    q.setStrikeOut((f.style & kStrikeOut) != 0);
    // Whole-pixel advances keep measured and drawn widths equal on every device.
    q.setHintingPreference(QFont::PreferFullHinting);
    return q;
}

}  // namespace platform::qt
