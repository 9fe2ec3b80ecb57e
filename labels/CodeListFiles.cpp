#include "labels/CodeListFiles.h"

#include "labels/TextFile.h"
#include "platform/Utf8.h"

namespace app {

namespace {

bool isEndMarker(std::string_view label) {
    return label == "x" || label == "X";
}

}  // namespace

std::vector<std::string> parseFiscalCodeList(std::string_view text) {
    std::vector<std::string> codes;
    for (const std::string& line : splitLines(text)) {
        if (line.empty()) break;
        codes.push_back(platform::utf8Prefix(line, kFiscalCodeWidth));
    }
    return codes;
}

std::string formatFiscalCodeList(const std::vector<std::string>& codes) {
    std::string text;
    for (const std::string& code : codes)
        if (!code.empty()) text += code + "\r\n";
    return text;
}

std::vector<std::string> parseCodeFile(std::string_view text, std::size_t maxLines) {
    std::vector<std::string> lines = splitLines(text);
    std::vector<std::string> labels;
    for (std::size_t i = 0; i < maxLines; ++i) {
        // Past the end of the file every read gives an empty line.
        std::string label =
            i < lines.size() ? platform::utf8Prefix(lines[i], kCodeFileLabelWidth) : std::string();
        if (isEndMarker(label)) break;
        labels.push_back(std::move(label));
    }
    return labels;
}

}  // namespace app
