// A recorded picture as stored in pages and picture objects, read and replayed into a
// rectangle the input chooses, under a clip like a page on screen.
#include <cstdint>
#include <string>

#include "FuzzCanvas.h"
#include "FuzzInput.h"
#include "platform/Picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputBytes in(data, size);
    const auto width = in.take<std::uint16_t>();
    const auto height = in.take<std::uint16_t>();
    const auto bytes = in.restBytes();
    platform::Picture picture;
    std::string error;
    if (!platform::Picture::deserialize(bytes.data(), bytes.size(), picture, error)) return 0;
    fuzz::DiscardingCanvas canvas;
    canvas.setClipRect({0, 0, 2000, 2000});
    picture.play(canvas, {10, 10, 10 + width, 10 + height});
    return 0;
}
