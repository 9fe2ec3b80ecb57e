// Maps the font names stored in templates to the metric-compatible fonts installed here.
#pragma once

namespace platform::qt {

// Registers the substitutions with Qt; the program calls it once at start, after the
// application object exists.
void registerFontSubstitutions();

}  // namespace platform::qt
