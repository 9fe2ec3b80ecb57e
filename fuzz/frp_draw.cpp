// A prepared report file (.frp) as convert, show and the preview's Open read it, every page
// drawn as the output draws it.
#include <cstdint>
#include <exception>
#include <span>

#include "FuzzReport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::registerProgramObjects();
    prepared::PreparedPages pages;
    try {
        pages.loadFromStream(std::span<const std::uint8_t>(data, size));
        fuzz::drawPreparedPages(pages);
    } catch (const std::exception&) {
        // Refusing the file with a message is the expected end for damaged bytes.
    }
    return 0;
}
