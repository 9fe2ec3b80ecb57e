// The barcode generator with any symbology, options and text: encoding and painting.
#include <cstdint>

#include "FuzzCanvas.h"
#include "FuzzInput.h"
#include "barcode/BarcodeError.h"
#include "barcode/BarcodeGenerator.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputBytes in(data, size);
    barcode::BarcodeGenerator generator;
    const auto type = in.take<std::uint8_t>();
    const auto options = in.take<std::uint8_t>();
    const auto modul = in.take<std::int32_t>();
    const auto ratio = in.take<double>();
    const auto angle = in.take<double>();
    const auto height = in.take<std::int32_t>();
    const auto left = in.take<std::int32_t>();
    const auto top = in.take<std::int32_t>();
    if (!barcode::isKnownBarcodeType(type)) return 0;
    generator.setType(static_cast<barcode::BarcodeType>(type));
    generator.setChecksum(options & 1);
    generator.setCheckSumMethod(options & 2 ? barcode::csmModulo10 : barcode::csmNone);
    generator.setModul(modul);
    generator.setRatio(ratio);
    generator.setAngle(angle);
    generator.setHeight(height);
    generator.setLeft(left);
    generator.setTop(top);
    generator.setText(in.rest());
    try {
        fuzz::DiscardingCanvas canvas;
        generator.draw(canvas);
        (void)generator.width();
    } catch (const barcode::BarcodeError&) {
    }
    return 0;
}
