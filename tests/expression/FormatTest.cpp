// Display formats: inline " #" formats, FormatCode categories, number and date pictures.
#include "expression/Format.h"
#include "expression/FormatDateTime.h"
#include "expression/FormatNumber.h"

#include <gtest/gtest.h>

using namespace expression;

namespace {

DateTime day(int y, int m, int d) {
    return *encodeDate(y, m, d);
}

TEST(Format, InlineFormatParsing) {
    struct Case {
        const char* text;
        FormatCategory category;
        int subFormat, decimals;
        char separator;
        const char* formatText;
    };
    const Case cases[] = {
        {"N0,00", FormatCategory::Number, 1, 2, ',', "0.00"},
        {"n0.000", FormatCategory::Number, 1, 3, '.', "0.000"},
        {"0-0", FormatCategory::Number, 1, 1, '-', "0.0"},  // a digit first gets "N"
        {"N0", FormatCategory::Number, 1, 0, ',', "0"},
        {"N#,##0.00", FormatCategory::Number, 4, 0, ',', "#,##0.00"},  // custom
        {"Ddd/mm/yyyy", FormatCategory::Date, 4, 0, ',', "dd/mm/yyyy"},
        {"thh:nn", FormatCategory::Date, 4, 0, ',', "hh:nn"},
        {"BNo;Si", FormatCategory::Logical, 4, 0, ',', "No;Si"},
    };
    for (const Case& c : cases) {
        const auto f = parseInlineFormat(c.text);
        ASSERT_TRUE(f) << c.text;
        EXPECT_EQ(f->code.category(), c.category) << c.text;
        EXPECT_EQ(f->code.subFormat(), c.subFormat) << c.text;
        EXPECT_EQ(f->code.decimals(), c.decimals) << c.text;
        EXPECT_EQ(f->code.separator(), c.separator) << c.text;
        EXPECT_EQ(f->text, c.formatText) << c.text;
    }
    EXPECT_FALSE(parseInlineFormat("X12"));
    EXPECT_FALSE(parseInlineFormat(""));
}

TEST(Format, SplitAtBlankHashOutsideQuotes) {
    auto s = splitInlineFormat("[x] * 2 #N0,00");
    EXPECT_EQ(s.expression, "[x] * 2");
    EXPECT_EQ(s.format, "N0,00");
    s = splitInlineFormat("'a #b' + c");
    EXPECT_EQ(s.expression, "'a #b' + c");
    EXPECT_FALSE(s.format);
}

TEST(Format, InlineFormatsApplied) {
    struct Case {
        Value value;
        const char* format;
        const char* expected;
    };
    const Case cases[] = {
        {Value(1234.567), "N0,00", "1234,57"},
        {Value(1234.567), "N0.00", "1234.57"},
        {Value(-0.004), "N0,00", "0,00"},
        {Value(2), "N0,000", "2,000"},
        {Value(1234567.5), "N#,##0.00", "1.234.567,50"},
        {Value(0.5), "N#.##", ",5"},
        {Value(-3.0), "N#0.0;(0.0)", "(3,0)"},
        {Value(0.0), "N#0.0;-0.0;'zero'", "zero"},
        {Value(day(2019, 5, 21)), "Ddd/mm/yyyy", "21/05/2019"},
        {Value(day(2019, 5, 21)), "Dd mmmm yyyy, dddd", "21 maggio 2019, martedì"},
        {Value(DateTime{0.75}), "Thh:nn", "18:00"},
        {Value("21/05/2019"), "Dyyyy", "2019"},
        {Value(true), "BNo;Si", "Si"},
        {Value(0), "BNo;Si", "No"},
        {Value("abc"), "N0,00", "abc"},  // not a number: shown as it is
    };
    for (const Case& c : cases) {
        const auto f = parseInlineFormat(c.format);
        ASSERT_TRUE(f) << c.format;
        EXPECT_EQ(formatValue(c.value, *f), c.expected) << c.format;
    }
}

TEST(Format, PredefinedCategories) {
    const DateTime when{day(2019, 5, 1).days + encodeTime(7, 5, 9).days};
    struct Case {
        FormatCategory category;
        int sub;
        Value value;
        const char* expected;
    };
    const Case cases[] = {
        {FormatCategory::Logical, 0, Value(true), "1"},
        {FormatCategory::Logical, 1, Value(false), "No"},
        {FormatCategory::Logical, 1, Value(1), "Si"},
        {FormatCategory::Logical, 2, Value(true), "x"},
        {FormatCategory::Logical, 3, Value(false), "Falso"},
        {FormatCategory::Date, 0, Value(when), "01/05/19"},
        {FormatCategory::Date, 1, Value(when), "01/05/2019"},
        {FormatCategory::Date, 2, Value(when), "1 mag 2019"},
        {FormatCategory::Date, 3, Value(when), "1 maggio 2019"},
        {FormatCategory::Time, 0, Value(when), "07:05:09"},
        {FormatCategory::Time, 1, Value(when), "7:05:09"},
        {FormatCategory::Time, 2, Value(when), "07:05"},
        {FormatCategory::Time, 3, Value(when), "7:05"},
        {FormatCategory::Number, 0, Value(2.5), "2,5"},
        {FormatCategory::Number, 1, Value(2.5), "2,50"},
        {FormatCategory::Number, 2, Value(1234.5), "1.234,5"},
        {FormatCategory::Number, 3, Value(1234.5), "1.234,50"},
        {FormatCategory::Text, 0, Value(2.5), "2,5"},
        {FormatCategory::Text, 0, Value(), ""},
        {FormatCategory::Text, 0, Value("0123456789"), "0123456789"},
    };
    for (const Case& c : cases) {
        const DisplayFormat f{FormatCode::make(c.category, c.sub, 2, ','), {}};
        EXPECT_EQ(formatValue(c.value, f), c.expected) << static_cast<int>(c.category) << "/" << c.sub;
    }
}

TEST(Format, FormatCodeLayout) {
    const FormatCode code = FormatCode::objectDefault();
    EXPECT_EQ(code.code, ',' + 512);
    EXPECT_EQ(FormatCode::make(FormatCategory::Logical, 4, 0, '.').code, (4 << 24) | (4 << 16) | '.');
    EXPECT_EQ(FormatCode{0}.separator(), kDefaultDecimalSeparator);
}

TEST(FormatDateTime, CalendarRoundTripAndLimits) {
    EXPECT_EQ(day(1899, 12, 30).days, 0.0);
    EXPECT_EQ(day(2000, 1, 1).days, 36526.0);
    EXPECT_FALSE(encodeDate(2019, 2, 29));
    EXPECT_TRUE(encodeDate(2020, 2, 29));
    EXPECT_EQ(formatDateTime("dd/mm/yyyy", day(2020, 2, 29)), "29/02/2020");
    EXPECT_EQ(formatDateTime("hh:mm", DateTime{encodeTime(9, 41, 0).days}), "09:41");  // m after h: minutes
    EXPECT_EQ(formatDateTime("h:nn am/pm", DateTime{encodeTime(15, 3, 0).days}), "3:03 pm");
    EXPECT_EQ(formatDateTime("'d' d", day(2019, 1, 7)), "d 7");
    // Absurd day counts are held to the calendar's range instead of overflowing.
    EXPECT_NO_THROW(formatDateTime("dd/mm/yyyy", DateTime{1e300}));
    EXPECT_NO_THROW(formatDateTime("dd/mm/yyyy", DateTime{-1e300}));
    EXPECT_EQ(parseDate("07/01/19")->days, day(2019, 1, 7).days);
    EXPECT_FALSE(parseDate("31/02/2019"));
    EXPECT_FALSE(parseTime("24:00"));
}

TEST(FormatNumber, Pictures) {
    EXPECT_EQ(formatFloat("000", 7, ',', '.'), "007");
    EXPECT_EQ(formatFloat("#", 0, ',', '.'), "");
    EXPECT_EQ(formatFloat("0.00E+00", 12345, ',', '.'), "1,23E+04");
    EXPECT_EQ(formatFloat("", 0.1, ',', '.'), "0,1");
    EXPECT_EQ(formatFloat("0." + std::string(500, '0'), 1, ',', '.').size(), 20u);  // decimals capped
    EXPECT_EQ(formatFixed(-0.001, 2, ',', '.', false), "0,00");
}

}  // namespace
