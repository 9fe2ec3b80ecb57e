#include "prepared/PreparedReportIo.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace preview {

void savePrepared(const PreparedPages& pages, const std::string& fileName) {
    const std::vector<std::uint8_t> bytes = pages.saveToBytes();
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    if (!out) throw std::runtime_error("Cannot create file \"" + fileName + "\"");
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("Cannot write file \"" + fileName + "\"");
}

void loadPrepared(PreparedPages& pages, const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary | std::ios::ate);
    if (!in) throw std::runtime_error("File not found");
    const std::streamoff size = in.tellg();
    if (size < 0) throw std::runtime_error("Cannot read file \"" + fileName + "\"");
    if (static_cast<std::uint64_t>(size) > kMaxPreparedFileBytes)
        throw std::runtime_error("File di report troppo grande");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), size);
    if (in.gcount() != size) throw std::runtime_error("Cannot read file \"" + fileName + "\"");
    pages.loadFromStream(bytes);
}

}  // namespace preview
