#include "prepared/PreparedReportIo.h"

#include <cstdio>
#include <fstream>
#include <system_error>
#include <vector>
#include "platform/Error.h"

namespace preview {

void savePrepared(const PreparedPages& pages, const std::string& fileName) {
    const std::vector<std::uint8_t> bytes = pages.saveToBytes();
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    if (!out) throw platform::Error("Cannot create file \"" + fileName + "\"");
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw platform::Error("Cannot write file \"" + fileName + "\"");
}

void loadPrepared(PreparedPages& pages, const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary | std::ios::ate);
    if (!in) throw platform::Error("File not found");
    const std::streamoff size = in.tellg();
    if (size < 0) throw platform::Error("Cannot read file \"" + fileName + "\"");
    if (static_cast<std::uint64_t>(size) > kMaxPreparedFileBytes)
        throw platform::Error("File di report troppo grande");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), size);
    if (in.gcount() != size) throw platform::Error("Cannot read file \"" + fileName + "\"");
    pages.loadFromStream(bytes);
}

}  // namespace preview
