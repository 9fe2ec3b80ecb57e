#include "barcode/FullAsciiTable.h"

#include <array>

namespace barcode {

namespace {

// A run of consecutive character codes written as a shift followed by consecutive
// letters, or (noShift) as themselves.
struct FullAsciiRun {
    int first;
    int last;
    bool noShift;
    FullAsciiShift shift;
    char firstLetter;
};

constexpr FullAsciiRun S(int first, int last, FullAsciiShift shift, char letter) {
    return {first, last, false, shift, letter};
}
constexpr FullAsciiRun Self(int first, int last) {
    return {first, last, true, FullAsciiShift::Dollar, 0};
}

using enum FullAsciiShift;
constexpr std::array<FullAsciiRun, 14> kRuns = {{
    S(0, 0, Percent, 'U'),
    S(1, 26, Dollar, 'A'),
    S(27, 31, Percent, 'A'),
    Self(' ', ' '),
    S('!', '/', Slash, 'A'),
    Self('0', '9'),
    S(':', ':', Slash, 'Z'),
    S(';', '?', Percent, 'F'),
    S('@', '@', Percent, 'V'),
    Self('A', 'Z'),
    S('[', '_', Percent, 'K'),
    S('`', '`', Percent, 'W'),
    S('a', 'z', Plus, 'A'),
    S('{', 127, Percent, 'P'),
}};

}  // namespace

std::string expandFullAscii(std::string_view text, std::string_view shifts) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char ch : text) {
        const int code = static_cast<unsigned char>(ch);
        for (const FullAsciiRun& run : kRuns) {
            if (code < run.first || code > run.last) continue;
            if (run.noShift) {
                out += ch;
            } else {
                out += shifts[static_cast<int>(run.shift)];
                out += static_cast<char>(run.firstLetter + (code - run.first));
            }
            break;
        }
    }
    return out;
}

}  // namespace barcode
