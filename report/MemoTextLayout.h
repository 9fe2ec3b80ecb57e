// The text layout of a memo: splitting into paragraphs, wrapping at blanks, cutting or
// hyphenating words longer than the width, and placing each line by the alignment rules.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace report {

struct MemoLayoutOptions {
    int width = 0;  // inner width available to a line
    bool wordWrap = false;
    bool wordBreak = false;
    int charSpacing = 0;  // pixels added after each character
    // width of a text in the current font, without extra spacing.
    std::function<int(const std::string&)> measure;
};

struct LaidOutLine {
    std::string text;
    bool paragraphEnd = false;  // the last line of a paragraph (never justified)
};

// Splits every source line at its line breaks and wraps the paragraphs to the width.
std::vector<LaidOutLine> layoutMemoLines(const std::vector<std::string>& source,
                                         const MemoLayoutOptions& options);

// width of a line including character spacing.
int lineWidth(const std::string& text, const MemoLayoutOptions& options);

// Extra pixels to give each blank (blank and non-breaking space) so the line fills `width`;
// the first `remainder` blanks get one pixel more.
struct JustifySpacing {
    int perBlank = 0;
    int remainder = 0;
    int blanks = 0;
};
JustifySpacing justifySpacing(const std::string& text, int textWidth, int width);

}  // namespace report
