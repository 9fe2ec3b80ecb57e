// The fiscal code check: order of the steps, messages, correction and reissued codes.
#include <gtest/gtest.h>

#include "labels/FiscalCodeCheck.h"

namespace labels {
namespace {

const std::string kWrongLength =
    "La lunghezza del codice fiscale non \xC3\xA8 corretta: il codice fiscale dovrebbe essere lungo "
    "esattamente 16 caratteri.";
const std::string kBadCharacters =
    "Il codice fiscale contiene dei caratteri non validi: i soli caratteri validi sono le lettere e "
    "le cifre.";
const std::string kWrongCheck =
    "Il codice fiscale non \xC3\xA8 correttoil codice di controllo non corrisponde dovrebbe essere:  ";

TEST(FiscalCodeCheck, MessagesInStepOrder) {
    struct Case {
        const char* text;
        std::string message;
    };
    const Case cases[] = {
        {"", ""},
        {"RSSMRA85T10A562S", ""},
        {"RSSMRA85T10A562", kWrongLength},
        {"RSSMRA85T10A562SX", kWrongLength},
        {"RS3MRA85T10A562S", "ERRORE nome e cognome"},
        {"RS3MRAX5F10A5Z2S", "ERRORE nome e cognome"},  // the first failing step wins
        {"RSSMRA8XT10A562S", "ERRORE anno di nascita"},
        {"RSSMRA855X0A562S", "ERRORE MESE NASCITA"},
        {"RSSMRA85F10A562S", "errore MESE DI NASCITA"},
        {"RSSMRA85t10A562S", "errore MESE DI NASCITA"},  // the month letter is not upper-cased
        {"RSSMRA85T1XA562S", "ERRORE GIORNO di nascita"},
        {"RSSMRA85T1005562S", kWrongLength},
        {"RSSMRA85T101562S", "ERRORE CITTA"},
        {"RSSMRA85T10A5X2S", "ERRORE CITTA"},
        {"RSSMRA85T10A56XS", "ERRORE CITTA"},
        {"RSSMRA85T10A562 ", kBadCharacters},
        {"RSSMR-85T10A562S", kBadCharacters},
        {"RSSMR\xC3\x80"
         "85T10A562S",
         kBadCharacters},  // 16 characters, one of them non-ASCII
        {"RSSMRA85T10A562A", kWrongCheck + "S"},
    };
    for (const Case& c : cases) EXPECT_EQ(checkFiscalCode(c.text).message, c.message) << c.text;
}

TEST(FiscalCodeCheck, InvalidUtf8BytesAreInvalidCharacters) {
    EXPECT_EQ(checkFiscalCode("\x80RSSMRA85T10A562S").message, kWrongLength);  // 17 characters
    EXPECT_EQ(checkFiscalCode("RSSMRA85T10A562\x80").message, kBadCharacters);
    EXPECT_EQ(checkFiscalCode("RSSMRA85T10A562\xC3\x80").message, kBadCharacters);  // a valid À
}

TEST(FiscalCodeCheck, CorrectsOnlyAWrongCheckCharacter) {
    const FiscalCodeCheck wrong = checkFiscalCode("RSSMRA85T10A562A");
    EXPECT_EQ(wrong.code, "RSSMRA85T10A562S");
    EXPECT_EQ(checkFiscalCode(wrong.code).message, "");

    EXPECT_EQ(checkFiscalCode("RS3MRA85T10A562A").code, "RS3MRA85T10A562A");
    EXPECT_EQ(checkFiscalCode("RSSMRA85T10A562S").code, "RSSMRA85T10A562S");
}

TEST(FiscalCodeCheck, LowerCaseLettersAreCheckedUpperCased) {
    // Steps on classes accept lower case; the check character compares the upper-case form.
    EXPECT_EQ(checkFiscalCode("rssmra85T10a562s").message, "");
    const FiscalCodeCheck wrong = checkFiscalCode("rssmra85T10a562a");
    EXPECT_EQ(wrong.message, kWrongCheck + "S");
    EXPECT_EQ(wrong.code, "rssmra85T10a562S");
}

TEST(FiscalCodeCheck, ReissuedCodesUseLettersForDigits) {
    // 2 -> N in position 15, and all seven digit positions replaced.
    EXPECT_EQ(checkFiscalCode("RSSMRA85T10A56NH").message, "");
    const std::string allLetters = std::string("RSSMRAURTMLARSN");
    EXPECT_EQ(checkFiscalCode(allLetters + fiscalCheckCharacter(allLetters)).message, "");
    // Other letters still fail where a digit is expected.
    EXPECT_EQ(checkFiscalCode("RSSMRA8KT10A562S").message, "ERRORE anno di nascita");
    EXPECT_EQ(checkFiscalCode("RSSMRA85T1AA562S").message, "ERRORE GIORNO di nascita");
    EXPECT_EQ(checkFiscalCode("RSSMRA85T10A5W2S").message, "ERRORE CITTA");
    // A substitute letter does not make position 9 or 12 a digit.
    EXPECT_EQ(checkFiscalCode("RSSMRA85T10L562S").message, kWrongCheck + "D");
}

TEST(FiscalCheckCharacter, OnlyTheFirstFifteenPositionsCount) {
    EXPECT_EQ(fiscalCheckCharacter("RSSMRA85T10A562"), 'S');
    EXPECT_EQ(fiscalCheckCharacter("RSSMRA85T10A562Z"), 'S');
    // Odd-position table: digit d counts as the d-th letter from A.
    EXPECT_EQ(fiscalCheckCharacter("000000000000000"), fiscalCheckCharacter("A0A0A0A0A0A0A0A"));
}

}  // namespace
}  // namespace labels
