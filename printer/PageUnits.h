// Conversions between the three length units of printing: tenths of a millimetre (paper
// sizes), page pixels (the layout unit of reports) and printer dots (device resolution).
#pragma once

namespace printer {

// Reports are laid out at 93/1.015 pixels per inch.
inline constexpr double kPagePixelsPerInch = 93.0 / 1.015;
inline constexpr double kTenthsMmPerInch = 254.0;

// Every conversion rounds with platform::roundToInt: a hostile size or resolution saturates at
// the coordinate limit instead of overflowing.
int tenthsMmToPagePixels(int tenthsMm);
int pagePixelsToTenthsMm(int pagePixels);

// A non-positive resolution gives 0: the device reported nothing usable.
int dotsToPagePixels(int dots, int dpi);
int pagePixelsToDots(int pagePixels, int dpi);
int dotsToTenthsMm(int dots, int dpi);
int tenthsMmToDots(int tenthsMm, int dpi);

}  // namespace printer
