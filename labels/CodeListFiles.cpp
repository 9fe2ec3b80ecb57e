#include "labels/CodeListFiles.h"

#include "labels/AppError.h"
#include "labels/TextFile.h"
#include "platform/Utf8.h"

namespace labels {

namespace {

bool isEndMarker(std::string_view label) {
    return label == "x" || label == "X";
}

}  // namespace

std::vector<std::string> parseFiscalCodeList(std::string_view text) {
    std::vector<std::string> codes;
    for (const std::string& line : splitLines(text)) {
        if (line.empty()) continue;  // a blank line is skipped, so nothing after it is lost
        codes.push_back(platform::utf8Prefix(line, kFiscalCodeWidth));
    }
    return codes;
}

void requireText(std::string_view bytes, const std::string& fileName) {
    std::size_t line = 1;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b == '\n') ++line;
        const bool control = (b < 0x20 && b != '\n' && b != '\r' && b != '\t') || b == 0x7F;
        if (control)
            throw FileError(fileName,
                            "non \xC3\xA8 un file di testo (riga " + std::to_string(line) +
                                ": byte di controllo, come in un file binario o UTF-16)",
                            0);
    }
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

}  // namespace labels
