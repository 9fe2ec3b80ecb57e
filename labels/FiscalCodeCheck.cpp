#include "labels/FiscalCodeCheck.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/Utf8.h"

namespace labels {

namespace {

constexpr std::size_t kFiscalCodeLength = 16;

constexpr const char* kWrongLength =
    "La lunghezza del codice fiscale non \xC3\xA8 corretta: il codice fiscale dovrebbe essere "
    "lungo esattamente 16 caratteri.";
constexpr const char* kBadName = "ERRORE nome e cognome";
constexpr const char* kBadYear = "ERRORE anno di nascita";
constexpr const char* kMonthIsDigit = "ERRORE MESE NASCITA";
constexpr const char* kBadMonthLetter = "errore MESE DI NASCITA";
constexpr const char* kBadDay = "ERRORE GIORNO di nascita";
constexpr const char* kBadPlace = "ERRORE CITTA";
constexpr const char* kBadCharacters =
    "Il codice fiscale contiene dei caratteri non validi: i soli caratteri validi sono le "
    "lettere e le cifre.";
constexpr const char* kWrongCheckCharacter =
    "Il codice fiscale non \xC3\xA8 correttoil codice di controllo non corrisponde dovrebbe "
    "essere:  ";

constexpr std::string_view kMonthLetters = "ABCDEHLMPRST";
// Letters that replace the digits 0-9 in a reissued code.
constexpr std::string_view kDigitSubstitutes = "LMNPQRSTUV";

// Value of A..Z (and of the digits 0..9 read as A..J) at an odd position.
constexpr std::array<int, 26> kOddValues = {1,  0,  5, 7, 9, 13, 15, 17, 19, 21, 2,  4,  18,
                                            20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23};

// One character of the text: its code point when it is ASCII, otherwise none.
using Char = std::optional<char>;

// Each byte that is not part of a valid UTF-8 sequence counts as one (invalid) character.
std::vector<Char> characters(std::string_view text) {
    std::vector<Char> chars;
    for (char32_t c : platform::utf8Decode(text))
        chars.push_back(c < 0x80 ? Char(static_cast<char>(c)) : std::nullopt);
    return chars;
}

bool isDigit(Char c) {
    return c && *c >= '0' && *c <= '9';
}
bool isUpperLetter(char c) {
    return c >= 'A' && c <= 'Z';
}
char toUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool isDigitOrSubstitute(Char c) {
    return isDigit(c) || (c && kDigitSubstitutes.find(toUpper(*c)) != std::string_view::npos);
}

// chars[position - 1], positions counted from 1.
Char at(const std::vector<Char>& chars, int position) {
    return chars[static_cast<std::size_t>(position - 1)];
}

bool anyDigitIn(const std::vector<Char>& chars, int from, int to) {
    for (int p = from; p <= to; ++p)
        if (isDigit(at(chars, p))) return true;
    return false;
}

bool allDigitLikeIn(const std::vector<Char>& chars, int from, int to) {
    for (int p = from; p <= to; ++p)
        if (!isDigitOrSubstitute(at(chars, p))) return false;
    return true;
}

// Steps on the text unchanged; the first fault found, or none.
const char* layoutFault(const std::vector<Char>& chars) {
    if (anyDigitIn(chars, 1, 6)) return kBadName;
    if (!allDigitLikeIn(chars, 7, 8)) return kBadYear;
    const Char month = at(chars, 9);
    if (isDigit(month)) return kMonthIsDigit;
    if (!month || kMonthLetters.find(*month) == std::string_view::npos) return kBadMonthLetter;
    if (!allDigitLikeIn(chars, 10, 11)) return kBadDay;
    if (isDigit(at(chars, 12))) return kBadPlace;
    if (!allDigitLikeIn(chars, 13, 15)) return kBadPlace;
    return nullptr;
}

// The upper-case code when every character is a digit or a letter A-Z.
std::optional<std::string> upperAlphanumeric(const std::vector<Char>& chars) {
    std::string upper;
    for (Char c : chars) {
        if (!c) return std::nullopt;
        const char u = toUpper(*c);
        if (!isDigit(u) && !isUpperLetter(u)) return std::nullopt;
        upper += u;
    }
    return upper;
}

// Place in the alphabet of a letter, or of a digit read as A..J.
int alphabetIndex(char c) {
    return isDigit(c) ? c - '0' : c - 'A';
}

}  // namespace

char fiscalCheckCharacter(std::string_view code) {
    int sum = 0;
    for (std::size_t i = 0; i < 15 && i < code.size(); ++i) {
        const int index = alphabetIndex(code[i]);
        if (index < 0 || index >= 26) continue;
        // Position i + 1: odd positions sit at even offsets.
        sum += (i % 2 == 0) ? kOddValues[static_cast<std::size_t>(index)] : index;
    }
    return static_cast<char>('A' + sum % 26);
}

FiscalCodeCheck checkFiscalCode(std::string_view text) {
    FiscalCodeCheck result{"", std::string(text)};
    if (text.empty()) return result;
    const std::vector<Char> chars = characters(text);
    if (chars.size() != kFiscalCodeLength) {
        result.message = kWrongLength;
        return result;
    }
    if (const char* fault = layoutFault(chars)) {
        result.message = fault;
        return result;
    }
    const std::optional<std::string> upper = upperAlphanumeric(chars);
    if (!upper) {
        result.message = kBadCharacters;
        return result;
    }
    const char expected = fiscalCheckCharacter(*upper);
    if (expected != (*upper)[15]) {
        result.message = std::string(kWrongCheckCharacter) + expected;
        result.code = platform::utf8Prefix(text, 15) + expected;
    }
    return result;
}

}  // namespace labels
