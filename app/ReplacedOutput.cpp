#include "app/ReplacedOutput.h"

#include <QCoreApplication>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "labels/TextFile.h"
#include "platform/FileErrorCause.h"

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

std::string notWritten(const std::string& target, const std::string& cause) {
    return target + " non \xC3\xA8 stato scritto: " + cause;
}

// Why target cannot be written before anything is drawn: a folder in its place, or a folder
// that takes no new file (read-only, full, not there). "" when it can.
std::string whyNotWritable(const std::string& target) {
    std::error_code ignored;
    if (fs::is_directory(target, ignored)) return platform::fileErrorCause(EISDIR);
    const fs::path folder = fs::path(target).parent_path();
    if (!folder.empty() && !fs::is_directory(folder, ignored)) return platform::fileErrorCause(ENOTDIR);
    const int problem = labels::folderWriteProblem(folder.empty() ? fs::path(".") : folder);
    return problem == 0 ? std::string() : platform::fileErrorCause(problem);
}

// A writer names the file it was given: the operator knows the target, not the temporary
// name (nor the numbered files made from it).
std::string namingTarget(std::string error, const std::string& temporary, const std::string& target) {
    const std::string from = fs::path(temporary).replace_extension().string();
    const std::string to = fs::path(target).replace_extension().string();
    for (std::size_t at = error.find(from); at != std::string::npos; at = error.find(from, at + to.size()))
        error.replace(at, from.size(), to);
    return error;
}

bool renameOver(const std::string& from, const std::string& to, std::string& error) {
    std::error_code ec;
    fs::rename(from, to, ec);
    if (!ec) return true;
    error = notWritten(to, platform::fileErrorCause(ec.value()));
    removeQuietly(from);
    return false;
}

bool refuseUnwritable(const std::string& target, std::string& error) {
    const std::string cause = whyNotWritable(target);
    if (cause.empty()) return false;
    error = notWritten(target, cause);
    return true;
}

}  // namespace

bool writeReplacing(const std::string& target, const FileWriter& write, std::string& error) {
    if (refuseUnwritable(target, error)) return false;
    const std::string temporary = temporaryBeside(target);
    if (!write(temporary, error)) {
        removeQuietly(temporary);
        error = namingTarget(error, temporary, target);
        return false;
    }
    return renameOver(temporary, target, error);
}

bool writeNumberedReplacing(const std::string& target, const NumberedFilesWriter& write,
                            const std::function<std::string(const std::string&, int)>& numbered,
                            std::string& error) {
    if (refuseUnwritable(target, error)) return false;
    const std::string temporary = temporaryBeside(target);
    std::vector<std::string> written;
    if (!write(temporary, written, error)) {
        error = namingTarget(error, temporary, target);
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
