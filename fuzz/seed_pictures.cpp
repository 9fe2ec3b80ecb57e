// Writes seed inputs for the picture_replay target: pictures recorded the way the program
// records them (barcodes of every symbology, a text, a nested picture), each after the two
// 16-bit target sizes the target reads first. Usage: seed_pictures OUTPUT_DIR
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "barcode/BarcodeError.h"
#include "barcode/BarcodeGenerator.h"
#include "platform/PictureCanvas.h"

namespace {

void writeSeed(const std::filesystem::path& file, const platform::Picture& picture) {
    const std::vector<std::uint8_t> bytes = picture.serialize();
    std::ofstream out(file, std::ios::binary);
    const std::uint16_t size[2] = {400, 200};
    out.write(reinterpret_cast<const char*>(size), sizeof size);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const std::filesystem::path dir(argv[1]);
    for (int type = 0; barcode::isKnownBarcodeType(type); ++type) {
        platform::PictureCanvas canvas({400, 200});
        barcode::BarcodeGenerator generator;
        generator.setType(static_cast<barcode::BarcodeType>(type));
        generator.setText("1903000015");
        generator.setHeight(80);
        generator.setAngle(type % 4 * 90.0);
        try {
            generator.draw(canvas);
        } catch (const barcode::BarcodeError&) {
            continue;
        }
        canvas.setFont({"Arial", 12, platform::kBold});
        canvas.textOut(10, 150, "1903000015", 1);
        writeSeed(dir / ("seed-barcode-" + std::to_string(type)), canvas.picture());
    }
    platform::PictureCanvas outer({400, 200});
    outer.setClipRect({5, 5, 395, 195});
    platform::PictureCanvas inner({100, 50});
    inner.fillRect({0, 0, 100, 50});
    inner.line({0, 0}, {100, 50});
    outer.drawPicture(inner.picture(), {10, 10, 210, 110});
    outer.invertRect({0, 0, 50, 50});
    writeSeed(dir / "seed-nested", outer.picture());
    return 0;
}
