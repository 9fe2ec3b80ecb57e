// Windows-1252 conversion, encoding detection, the UTF-8 helpers and line splitting.
#include <gtest/gtest.h>

#include "platform/Cp1252.h"
#include "platform/TextLines.h"
#include "platform/Utf8.h"

namespace platform {
namespace {

TEST(Cp1252, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += char(b);
    const std::string utf8 = cp1252ToUtf8(all);
    EXPECT_TRUE(isValidUtf8(utf8));
    EXPECT_EQ(utf8Length(utf8), 256u);
    EXPECT_EQ(utf8ToCp1252(utf8), all);
}

TEST(Cp1252, KnownCharacters) {
    struct Case {
        std::string cp1252;
        std::string utf8;
    } cases[] = {
        {"Perch\xE8", "Perchè"},
        {"Propriet\xE0", "Proprietà"},
        {"\x80", "€"},
        {"\x8A\x9A", "Šš"},
        {"\x93x\x94", "“x”"},
        {"\xFF", "ÿ"},
        {"", ""},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(cp1252ToUtf8(k.cp1252), k.utf8);
        EXPECT_EQ(utf8ToCp1252(k.utf8), k.cp1252);
    }
}

TEST(Cp1252, CharactersItCannotHoldBecomeQuestionMarks) {
    EXPECT_EQ(utf8ToCp1252("Si и"), "Si ?");
    EXPECT_EQ(utf8ToCp1252("a😀b"), "a?b");
    EXPECT_EQ(utf8ToCp1252("a\xFF"
                           "b"),
              "a?b");                           // invalid UTF-8 byte
    EXPECT_EQ(utf8ToCp1252("\xE2\x82"), "??");  // cut multi-byte character
}

TEST(Cp1252, DecodesUtf8WhenValidElseWindows1252) {
    EXPECT_EQ(decodeUtf8OrCp1252("RSSMRA80A01H501U"), "RSSMRA80A01H501U");
    EXPECT_EQ(decodeUtf8OrCp1252("Perchè"), "Perchè");
    EXPECT_EQ(decodeUtf8OrCp1252("Perch\xE8"), "Perchè");
    EXPECT_EQ(decodeUtf8OrCp1252("\xEF\xBB\xBF"
                                 "ABC"),
              "ABC");
    EXPECT_EQ(decodeUtf8OrCp1252("\xC0\x80"), "À€");              // overlong form is not UTF-8
    EXPECT_EQ(decodeUtf8OrCp1252("\xED\xA0\x80"), "í\xC2\xA0€");  // surrogate is not UTF-8
}

TEST(Utf8, TruncationCountsCharacters) {
    struct Case {
        std::string text;
        std::size_t max;
        std::string expected;
        std::size_t characters;
    };
    const Case cases[] = {
        {"abc", 2, "ab", 3},
        {"àèì", 2, "àè", 3},
        {"a€b", 2, "a€", 3},
        {"😀x", 1, "😀", 2},
        {"\xff\xfe"
         "a",
         2, "\xff\xfe", 3},              // malformed bytes count one each
        {"\xe2\x82", 5, "\xe2\x82", 2},  // cut-off sequence at the end
        {"", 3, "", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(utf8Prefix(c.text, c.max), c.expected) << c.text;
        EXPECT_EQ(utf8Length(c.text), c.characters) << c.text;
    }
    EXPECT_EQ(utf8Decode("a\xc3\xa8\xff"), (std::vector<char32_t>{U'a', U'\u00e8', U'\ufffd'}));
    EXPECT_EQ(utf8Decode("\xc0\x80"), (std::vector<char32_t>{U'\ufffd', U'\ufffd'}));  // overlong form
}

TEST(Utf8, CharacterBoundariesKeepSequencesWhole) {
    const std::string text = "a\xc3\xa8\xf0\x9f\x98\x80\xff";  // a, è, 😀, a stray byte
    EXPECT_EQ(utf8CharacterEnd(text, 0), 1u);
    EXPECT_EQ(utf8CharacterEnd(text, 1), 3u);
    EXPECT_EQ(utf8CharacterEnd(text, 3), 7u);
    EXPECT_EQ(utf8CharacterEnd(text, 7), 8u);
    EXPECT_EQ(utf8CharacterEnd(text, 8), 8u);  // past the end stays at the end
    EXPECT_EQ(utf8CharacterEnd("", 0), 0u);
    EXPECT_EQ(utf8Offset(text, 0), 0u);
    EXPECT_EQ(utf8Offset(text, 2), 3u);
    EXPECT_EQ(utf8Offset(text, 1000), text.size());
}

TEST(TextLines, SplitsAtLfAndCrLf) {
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"A", {"A"}},
        {"A\n", {"A"}},
        {"A\r\nB\r\n", {"A", "B"}},
        {"A\nB", {"A", "B"}},
        {"A\n\nB\n", {"A", "", "B"}},
        {"\n", {""}},
        {"A\rB\n", {"A\rB"}},
        {"A\r\r\n", {"A\r"}},
    };
    for (const Case& k : cases) EXPECT_EQ(splitLines(k.text), k.lines) << k.text;
}

}  // namespace
}  // namespace platform
