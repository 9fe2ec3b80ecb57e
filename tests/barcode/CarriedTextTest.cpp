// Characters a symbology's bars cannot carry are found, not silently left out.
#include <gtest/gtest.h>

#include "barcode/CarriedText.h"

using namespace barcode;

TEST(CarriedText, Code39CarriesUpperCaseDigitsAndItsSymbolsOnly) {
    EXPECT_EQ(firstUncarriedCharacter(bcCode39, "1903000015"), std::nullopt);
    EXPECT_EQ(firstUncarriedCharacter(bcCode39, "ABC-1 .$/+%"), std::nullopt);
    EXPECT_EQ(firstUncarriedCharacter(bcCode39, "01/03/2024"), std::nullopt);
    EXPECT_EQ(firstUncarriedCharacter(bcCode39, ""), std::nullopt);
    EXPECT_EQ(firstUncarriedCharacter(bcCode39, "Abc1"), "b");
    EXPECT_EQ(firstUncarriedCharacter(bcCode39, "abc3"), "a");
    EXPECT_EQ(firstUncarriedCharacter(bcCode39, "A_B"), "_");
    EXPECT_EQ(firstUncarriedCharacter(bcCode39, "A*B"), "*");  // would stop the symbol
    // A character outside ASCII is named whole, not by its first byte.
    EXPECT_EQ(firstUncarriedCharacter(bcCode39, "CITT\xc3\x80"), "\xc3\x80");
}

TEST(CarriedText, OtherSymbologiesByTheirOwnAlphabet) {
    EXPECT_EQ(firstUncarriedCharacter(bcCode39Extended, "Abc*1"), std::nullopt);
    EXPECT_EQ(firstUncarriedCharacter(bcCode128B, "Abc 1"), std::nullopt);
    EXPECT_EQ(firstUncarriedCharacter(bcCodeEAN13, "12345678901x"), "x");
    // Digits beyond a fixed length are dropped from the bars as well.
    EXPECT_EQ(firstUncarriedCharacter(bcCodeEAN13, "12345678901234"), "4");
    EXPECT_EQ(firstUncarriedCharacter(static_cast<BarcodeType>(40), "A"), "A");
}
