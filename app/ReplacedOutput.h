// Output files that replace what is there only once they are complete: each is written under
// a temporary name in the same folder and then renamed over its target, so a failed job
// neither destroys nor half-writes an existing file, and leaves no empty file behind.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace app {

// Writes a file through `write`, which gets the temporary path to write to.
using FileWriter = std::function<bool(const std::string& path, std::string& error)>;
// Writes numbered files (FILE-1.png, FILE-2.png, ...) through `write`, which gets the
// temporary FILE path and lists the numbered files it wrote, in order.
using NumberedFilesWriter =
    std::function<bool(const std::string& path, std::vector<std::string>& written, std::string& error)>;

// False with `error` set ("TARGET non è stato scritto: CAUSE", or the writer's own error
// naming the target) when the target cannot be written, writing or the rename failed; the
// target is then untouched. A folder in the target's place or one that takes no new file is
// refused before `write` is called.
bool writeReplacing(const std::string& target, const FileWriter& write, std::string& error);
// `numbered(path, n)` names file n of a path. Every file is written before any is renamed.
bool writeNumberedReplacing(const std::string& target, const NumberedFilesWriter& write,
                            const std::function<std::string(const std::string&, int)>& numbered,
                            std::string& error);

}  // namespace app
