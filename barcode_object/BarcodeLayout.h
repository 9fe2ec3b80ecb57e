// Where the barcode object puts its symbol and its human-readable text inside its box, for
// each angle. The same rules serve the design box (page pixels) and the scaled box on a device.
#pragma once

#include "platform/Geometry.h"

namespace barcode_object {

// Height of the text line under the bars, and the room it takes from them.
inline constexpr int kTextHeight = 12;
inline constexpr int kTextRoom = 14;

// The symbol runs along the height of the box at these angles.
bool runsAlongHeight(double angle);

// Generator position for a symbol in `box` with bars `barHeight` long.
struct SymbolPlacement {
    int left = 0;
    int top = 0;
    int height = 0;
};
// PostNet at 0 degrees gets a negative height from the bottom of the bars, so that its full and
// short bars stand on one baseline.
SymbolPlacement placeSymbol(double angle, bool postNet, platform::Size box, int barHeight);

// Reference point (top-left of the unturned text) of a text `textWidth` wide and `textHeight`
// high: centred along the bars, in the text line beyond them, turned with the symbol.
platform::Point textOrigin(double angle, platform::Size box, int textWidth, int textHeight);

// Font escapement in tenths of a degree for an angle in degrees; 0 for a non-finite angle.
int escapementOf(double angle);

}  // namespace barcode_object
