#include "report/MemoTextLayout.h"

#include "platform/ClampedInt.h"
#include "platform/Utf8.h"

#include <algorithm>

namespace report {
namespace {

std::vector<std::string> splitParagraphs(const std::string& line) {
    std::vector<std::string> out;
    std::string current;
    for (std::size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (c == '\r' || c == '\n') {
            out.push_back(current);
            current.clear();
            if (c == '\r' && i + 1 < line.size() && line[i + 1] == '\n') ++i;
        } else {
            current += c;
        }
    }
    out.push_back(current);
    return out;
}

std::string trimTrailingBlanks(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

// The longest prefix, ending before a blank, that fits; npos when none does.
std::size_t lastFittingBlank(const std::string& text, const MemoLayoutOptions& o) {
    std::size_t best = std::string::npos;
    for (std::size_t i = text.find(' '); i != std::string::npos; i = text.find(' ', i + 1)) {
        std::string prefix = trimTrailingBlanks(text.substr(0, i));
        if (prefix.empty()) continue;
        if (lineWidth(prefix, o) > o.width) break;
        best = i;
    }
    return best;
}

// The longest run of whole characters (at least one) whose width with `suffix` fits.
std::size_t fittingCharacters(const std::string& word, const std::string& suffix,
                              const MemoLayoutOptions& o) {
    std::size_t end = platform::utf8CharacterEnd(word, 0);
    for (std::size_t next = end; next < word.size();) {
        next = platform::utf8CharacterEnd(word, next);
        if (lineWidth(word.substr(0, next) + suffix, o) > o.width) break;
        end = next;
    }
    return std::min(end, word.size());
}

void wrapParagraph(std::string text, const MemoLayoutOptions& o, std::vector<LaidOutLine>& out) {
    while (!text.empty() && lineWidth(text, o) > o.width) {
        std::size_t blank = lastFittingBlank(text, o);
        if (blank != std::string::npos) {
            out.push_back({trimTrailingBlanks(text.substr(0, blank)), false});
            text.erase(0, blank + 1);
            continue;
        }
        // The first word alone is too wide: hyphenate it or cut it where it overflows.
        std::size_t wordEnd = std::min(text.find(' '), text.size());
        std::string word = text.substr(0, wordEnd);
        if (o.wordBreak && platform::utf8Length(word) > 2) {
            std::size_t cut = fittingCharacters(word, "-", o);
            if (cut < word.size()) {
                out.push_back({word.substr(0, cut) + "-", false});
                text.erase(0, cut);
                continue;
            }
        }
        std::size_t cut = fittingCharacters(word, "", o);
        if (cut >= text.size()) break;
        out.push_back({text.substr(0, cut), false});
        text.erase(0, cut);
        if (!text.empty() && text.front() == ' ') text.erase(0, 1);
    }
    out.push_back({text, true});
}

}  // namespace

int lineWidth(const std::string& text, const MemoLayoutOptions& options) {
    int w = options.measure ? options.measure(text) : 0;
    // A damaged memo's spacing times a long line must not overflow.
    return platform::clampedInt(static_cast<std::int64_t>(w) +
                                static_cast<std::int64_t>(options.charSpacing) *
                                    static_cast<std::int64_t>(platform::utf8Length(text)));
}

std::vector<LaidOutLine> layoutMemoLines(const std::vector<std::string>& source,
                                         const MemoLayoutOptions& options) {
    std::vector<LaidOutLine> out;
    for (const std::string& line : source) {
        for (const std::string& paragraph : splitParagraphs(line)) {
            if (options.wordWrap)
                wrapParagraph(paragraph, options, out);
            else
                out.push_back({paragraph, true});
        }
    }
    return out;
}

JustifySpacing justifySpacing(const std::string& text, int textWidth, int width) {
    JustifySpacing s;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ')
            ++s.blanks;
        else if (static_cast<unsigned char>(text[i]) == 0xC2 && i + 1 < text.size() &&
                 static_cast<unsigned char>(text[i + 1]) == 0xA0)
            ++s.blanks;
    }
    int free = width - textWidth;
    if (s.blanks == 0 || free <= 0) return {0, 0, s.blanks};
    s.perBlank = free / s.blanks;
    s.remainder = free % s.blanks;
    return s;
}

}  // namespace report
