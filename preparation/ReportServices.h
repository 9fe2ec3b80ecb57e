// What reports need from the running program: its printer, the decoder for bitmap and icon
// pictures, and the window that shows a long job's progress. The program builds them once in
// app/ and hands them down; tests build what they need, and anything left out is simply absent.
#pragma once

namespace printer {
class Printer;
}

namespace report {
class ImageCodec;
}

namespace preparation {

class ProgressDisplay;

struct ReportServices {
    printer::Printer* printer = nullptr;         // none: pages use a virtual-only printer of their own
    report::ImageCodec* imageCodec = nullptr;    // none: bitmaps and icons are not drawn
    ProgressDisplay* progressDisplay = nullptr;  // none: jobs run without a progress window
};

}  // namespace preparation
