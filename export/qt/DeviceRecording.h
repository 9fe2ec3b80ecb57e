// A recording of a page meant for one device, made where the page's objects live and replayed
// elsewhere (on a worker thread) at one to one. Drawing code takes it for that device: it
// measures text and reports the resolution of the device's stand-in, and it is not a
// recording to them, so barcodes snap their modules to the device's dots just as they do
// when drawn straight onto it.
#pragma once

#include "platform/PictureCanvas.h"

namespace export_::qt {

class DeviceRecording : public platform::PictureCanvas {
public:
    // device stands in for the target (same resolution and fonts); borrowed.
    DeviceRecording(platform::Size deviceSize, platform::Canvas& device)
        : PictureCanvas(deviceSize, &device) {}

    bool isRecording() const override { return false; }
};

}  // namespace export_::qt
