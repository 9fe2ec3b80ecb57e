// Contrast of colour pairs as the accessibility guidelines measure it (relative luminance of
// sRGB colours, ratio from 1:1 to 21:1), and the colours the flat controls draw text and focus
// marks in so that they stay readable on any face colour.
#pragma once

#include <QColor>

namespace gui::widgets {

// Normal text needs 4.5:1 against its background; a focus mark or a frame 3:1.
inline constexpr double kTextContrast = 4.5;
inline constexpr double kMarkContrast = 3.0;

double relativeLuminance(const QColor& c);
double contrastRatio(const QColor& a, const QColor& b);

// `wanted` itself when it reaches `minimum` against `background`; otherwise the same colour made
// just dark enough (or, when even black is too weak, light enough) to reach it.
QColor readableOn(const QColor& background, const QColor& wanted, double minimum = kTextContrast);

// Black or white, whichever stands out more against `background` (never below 4.5:1).
QColor markColourOn(const QColor& background);

}  // namespace gui::widgets
