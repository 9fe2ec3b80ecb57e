#include <gtest/gtest.h>

#include "platform/UiText.h"
#include "platform/Utf8.h"

namespace platform {
namespace {

TEST(UiText, LooksUpNumberedTexts) {
    struct Case {
        int number;
        const char* text;
    } cases[] = {
        {53000, "Trova testo"},
        {53042, "Proprietà"},
        {53055, "Pagine pari"},
        {55000, "OK"},
        {55007, "Stampante virtuale"},
        {55090, "Pagina"},  // band type 13
        {55200, "Si è verificato un errore durante i calcoli"},
        {55211, "File di report"},
        {55337, "1"},
        {55439, "Simbolo non definito"},
    };
    for (const Case& k : cases) EXPECT_EQ(uiText(k.number), k.text) << k.number;
}

TEST(UiText, AbsentNumbersGiveEmptyText) {
    for (int n : {0, -1, 52999, 53007, 55008, 55074, 55174, 55435, 55999, 56000})
        EXPECT_EQ(uiText(n), "") << n;
}

TEST(UiText, NoTextKeepsACyrillicStandIn) {
    for (int n = 53000; n <= 55999; ++n)
        for (char32_t c : utf8Decode(uiText(n))) EXPECT_FALSE(c >= 0x400 && c <= 0x4FF) << n;
}

}  // namespace
}  // namespace platform
