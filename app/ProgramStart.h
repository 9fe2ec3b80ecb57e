// What the program sets up once before any report exists: the printer object (with the
// spooler's printers in the window, the virtual printer alone on the command line), the
// report engine's link to it, the picture codec and the barcode report object.
#pragma once

namespace app {

enum class PrinterSource { VirtualOnly, Spooler };

void startProgram(PrinterSource printers);

}  // namespace app
