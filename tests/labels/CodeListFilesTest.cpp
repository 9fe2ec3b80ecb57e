// Contents of cf0.txt and of the exemption and oxygen code files, and how the files are read.
#include <gtest/gtest.h>

#include "labels/AppError.h"
#include "labels/CodeListFiles.h"
#include "labels/TextFile.h"
#include "platform/Cp1252.h"
#include "platform/Utf8.h"

namespace labels {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitLines, EndsAtLfOrCrLf) {
    EXPECT_EQ(splitLines(""), Lines{});
    EXPECT_EQ(splitLines("A\r\nB\nC"), (Lines{"A", "B", "C"}));
    EXPECT_EQ(splitLines("A\r\n\r\nB\r\n"), (Lines{"A", "", "B"}));
    EXPECT_EQ(splitLines("A\rB\n"), (Lines{"A\rB"}));  // a lone CR is part of the line
}

TEST(FiscalCodeList, SkipsEmptyLinesAndCutsTo16Characters) {
    EXPECT_EQ(parseFiscalCodeList("AAA\r\nBBB\r\nCCC\r\n\r\nDDD\r\n"), (Lines{"AAA", "BBB", "CCC", "DDD"}));
    EXPECT_EQ(parseFiscalCodeList("\r\n\nAAA\r\n\r\n"), Lines{"AAA"});
    EXPECT_EQ(parseFiscalCodeList("RSSMRA85T10A562SXYZ\nB"), (Lines{"RSSMRA85T10A562S", "B"}));
    EXPECT_EQ(parseFiscalCodeList("\xC3\x80"
                                  "BCDEFGHIJKLMNOPQR"),
              Lines{"\xC3\x80"
                    "BCDEFGHIJKLMNOP"});
}

TEST(CodeFileText, BinaryUtf16AndNulBytesAreRefusedNamingTheLine) {
    EXPECT_NO_THROW(requireText("A\tB\r\nC\xC8\n", "OXY.txt"));
    const std::pair<std::string, const char*> refused[] = {
        {std::string("E01\r\nE\0002\r\n", 10), "ESENZIONI.txt: non \xC3\xA8 un file di testo (riga 2"},
        {std::string("\xFF\xFE\x45\0", 4),
         "ESENZIONI.txt: non \xC3\xA8 un file di testo (riga 1"},  // UTF-16 "E"
        {"E01\nE02\nE03\x01\x7F", "ESENZIONI.txt: non \xC3\xA8 un file di testo (riga 3"},
    };
    for (const auto& [bytes, where] : refused) {
        try {
            requireText(bytes, "ESENZIONI.txt");
            ADD_FAILURE() << where;
        } catch (const FileError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(where, 0), 0u) << e.what();
        }
    }
}

TEST(FiscalCodeList, WritesNonEmptyCodesOnCrLfLines) {
    EXPECT_EQ(formatFiscalCodeList({"A", "", "B"}), "A\r\nB\r\n");
    EXPECT_EQ(formatFiscalCodeList({}), "");
}

TEST(CodeFile, LinesUpToTheMaximumCutTo11Characters) {
    std::string sixty;
    for (int i = 0; i < 60; ++i) sixty += "CODE" + std::to_string(i) + "\r\n";
    EXPECT_EQ(parseCodeFile(sixty, kExemptionMaxLines).size(), 51u);
    EXPECT_EQ(parseCodeFile(sixty, kOxygenMaxLines).size(), 30u);
    EXPECT_EQ(parseCodeFile("ABCDEFGHIJKLMNOP\n", 1), Lines{"ABCDEFGHIJK"});
}

TEST(CodeFile, EndMarkerAndPaddingWithEmptyLabels) {
    EXPECT_EQ(parseCodeFile("A\nB\nC\nD\nE\nX\nF\n", 51), (Lines{"A", "B", "C", "D", "E"}));
    EXPECT_EQ(parseCodeFile("A\nx\n", 51), Lines{"A"});
    EXPECT_EQ(parseCodeFile("x\n", 51), Lines{});
    // Only the whole cut line "x" or "X" is the marker.
    EXPECT_EQ(parseCodeFile("x \nxx\nX\n", 51), (Lines{"x ", "xx"}));
    EXPECT_EQ(parseCodeFile("X          trailing\n", 1), Lines{"X          "});
    const Lines padded = parseCodeFile("A\nB\nC\nD\nE\n", 51);
    ASSERT_EQ(padded.size(), 51u);
    EXPECT_EQ(padded[4], "E");
    EXPECT_EQ(padded[5], "");
    EXPECT_EQ(parseCodeFile("", 30), Lines(30, ""));
}

TEST(Utf8Text, DecodesWindows1252WhenNotUtf8) {
    EXPECT_EQ(platform::decodeUtf8OrCp1252("PERCHE\xC8"), "PERCHE\xC3\x88");    // È in Windows-1252
    EXPECT_EQ(platform::decodeUtf8OrCp1252("\x80"), "\xE2\x82\xAC");            // euro sign
    EXPECT_EQ(platform::decodeUtf8OrCp1252("PERCH\xC3\x88"), "PERCH\xC3\x88");  // valid UTF-8 kept
    EXPECT_EQ(platform::decodeUtf8OrCp1252("\xEF\xBB\xBF"
                                           "ABC"),
              "ABC");                                     // byte order mark dropped
    EXPECT_FALSE(platform::isValidUtf8("\xC0\x80"));      // overlong
    EXPECT_FALSE(platform::isValidUtf8("\xED\xA0\x80"));  // surrogate
    EXPECT_FALSE(platform::isValidUtf8("\xE2\x82"));      // cut short
    EXPECT_EQ(platform::utf8Length("\xC3\x80"
                                   "B"),
              2u);
    EXPECT_EQ(platform::utf8Prefix("\xC3\x80"
                                   "BC",
                                   2),
              "\xC3\x80"
              "B");
}

}  // namespace
}  // namespace labels
