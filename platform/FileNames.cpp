#include "platform/FileNames.h"

#include <cctype>

namespace platform {

namespace {

// Where the extension's dot is, or npos.
std::size_t extensionDot(const std::string& path) {
    const std::size_t nameStart = [&] {
        const std::size_t slash = path.find_last_of('/');
        return slash == std::string::npos ? 0 : slash + 1;
    }();
    const std::size_t dot = path.find_last_of('.');
    return dot != std::string::npos && dot > nameStart ? dot : std::string::npos;
}

}  // namespace

std::string lowerCaseExtension(const std::string& path) {
    const std::size_t dot = extensionDot(path);
    std::string extension = dot == std::string::npos ? std::string() : path.substr(dot + 1);
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

std::string withNumberBeforeExtension(const std::string& path, int n) {
    const std::size_t dot = extensionDot(path);
    const std::size_t cut = dot == std::string::npos ? path.size() : dot;
    return path.substr(0, cut) + "-" + std::to_string(n) + path.substr(cut);
}

}  // namespace platform
