#include "app/ReplacedOutput.h"

#include <QCoreApplication>
#include <filesystem>
#include <system_error>

namespace app {

namespace {

namespace fs = std::filesystem;

// ".NAME.partPID.EXT" beside the target: hidden, unique to this process, same extension (the
// writers pick their format by it).
std::string temporaryBeside(const std::string& target) {
    const fs::path path(target);
    const std::string name = "." + path.stem().string() + ".part" +
                             std::to_string(QCoreApplication::applicationPid()) + path.extension().string();
    return (path.parent_path() / name).string();
}

void removeQuietly(const std::string& path) {
    std::error_code ignored;
    fs::remove(path, ignored);
}

bool renameOver(const std::string& from, const std::string& to, std::string& error) {
    std::error_code ec;
    fs::rename(from, to, ec);
    if (!ec) return true;
    error = "impossibile scrivere " + to + ": " + ec.message();
    removeQuietly(from);
    return false;
}

}  // namespace

bool writeReplacing(const std::string& target, const FileWriter& write, std::string& error) {
    const std::string temporary = temporaryBeside(target);
    if (!write(temporary, error)) {
        removeQuietly(temporary);
        return false;
    }
    return renameOver(temporary, target, error);
}

bool writeNumberedReplacing(const std::string& target, const NumberedFilesWriter& write,
                            const std::function<std::string(const std::string&, int)>& numbered,
                            std::string& error) {
    const std::string temporary = temporaryBeside(target);
    std::vector<std::string> written;
    if (!write(temporary, written, error)) {
        for (const std::string& file : written) removeQuietly(file);
        removeQuietly(numbered(temporary, static_cast<int>(written.size()) + 1));  // the one that failed
        return false;
    }
    for (std::size_t i = 0; i < written.size(); ++i) {
        if (!renameOver(written[i], numbered(target, static_cast<int>(i) + 1), error)) {
            for (std::size_t j = i + 1; j < written.size(); ++j) removeQuietly(written[j]);
            return false;
        }
    }
    return true;
}

}  // namespace app
