// Prescription series and calendar labels.
#include <gtest/gtest.h>

#include "labels/AppError.h"
#include "labels/CalendarLabels.h"
#include "labels/Month.h"
#include "labels/PrescriptionSeries.h"

namespace labels {
namespace {

TEST(SeriesCheckDigit, IsTheDigitSumModuloNineWithNineAsZero) {
    struct Case {
        const char* digits;
        char expected;
    };
    const Case cases[] = {
        {"190300001", '5'},                                          // sum 14 -> 5
        {"000000000", '0'}, {"900000000", '0'},                      // sum 9 -> 0
        {"990000000", '0'},                                          // sum 18 -> 9 -> 0
        {"999000000", '0'},                                          // sum 27
        {"999999999", '0'},                                          // sum 81
        {"100000000", '1'}, {"800000000", '8'}, {"880000000", '7'},  // 16 -> 7
    };
    for (const Case& c : cases) EXPECT_EQ(seriesCheckDigit(c.digits), c.expected) << c.digits;
}

TEST(PrescriptionSeries, ShortSeriesOfMarch2019) {
    const auto codes = prescriptionSeries(2019, 3, SeriesLength::Short, ClosingKind::YearBased);
    ASSERT_EQ(codes.size(), 54u);
    EXPECT_EQ(codes.front(), "1903000015");
    EXPECT_EQ(codes[52], std::string("190300053") + seriesCheckDigit("190300053"));
    EXPECT_EQ(codes.back(), "99919");
    for (std::size_t i = 0; i + 1 < codes.size(); ++i) EXPECT_EQ(codes[i].size(), 10u) << i;
}

TEST(PrescriptionSeries, SerialNumbersAlwaysTakeFiveDigits) {
    const auto codes = prescriptionSeries(2019, 12, SeriesLength::Long, ClosingKind::YearBased);
    EXPECT_EQ(codes[8].substr(4, 5), "00009");
    EXPECT_EQ(codes[9].substr(4, 5), "00010");
    EXPECT_EQ(codes[98].substr(4, 5), "00099");
    EXPECT_EQ(codes[99].substr(4, 5), "00100");
    EXPECT_EQ(codes[160].substr(0, 9), "191200161");
}

TEST(PrescriptionSeries, LengthsAndClosingKinds) {
    struct Case {
        SeriesLength length;
        ClosingKind closing;
        std::size_t size;
        const char* last;
    };
    const Case cases[] = {
        {SeriesLength::Short, ClosingKind::AllNines, 54, "99999"},
        {SeriesLength::Medium, ClosingKind::YearBased, 108, "99924"},
        {SeriesLength::Long, ClosingKind::AllNines, 162, "99999"},
    };
    for (const Case& c : cases) {
        const auto codes = prescriptionSeries(2024, 1, c.length, c.closing);
        EXPECT_EQ(codes.size(), c.size);
        EXPECT_EQ(codes.back(), c.last);
    }
}

TEST(PrescriptionSeries, Year2100GivesZeroYearDigits) {
    const auto codes = prescriptionSeries(2100, 3, SeriesLength::Short, ClosingKind::YearBased);
    EXPECT_EQ(codes.front(), "0003000014");
    EXPECT_EQ(codes.back(), "99900");
}

TEST(CalendarLabels, DaysOfEachMonthWithLeapYears) {
    struct Case {
        int year;
        int month;
        int days;
    };
    const Case cases[] = {
        {2024, 2, 29}, {2023, 2, 28}, {2100, 2, 28}, {2000, 2, 29}, {2023, 4, 30}, {2023, 12, 31},
    };
    for (const Case& c : cases) EXPECT_EQ(daysInMonth(c.year, c.month), c.days) << c.year << "/" << c.month;
}

TEST(CalendarLabels, FebruaryOfALeapYear) {
    const auto labels = calendarLabels(2024, 2);
    ASSERT_EQ(labels.size(), 29u);
    EXPECT_EQ(labels.front(), "01/02/2024");
    EXPECT_EQ(labels[8], "09/02/2024");
    EXPECT_EQ(labels[9], "10/02/2024");
    EXPECT_EQ(labels.back(), "29/02/2024");
}

TEST(Month, NoSelectionIsRefused) {
    EXPECT_EQ(requireMonth(0), 1);
    EXPECT_EQ(requireMonth(11), 12);
    for (MonthIndex bad : {MonthIndex{}, MonthIndex{-1}, MonthIndex{12}}) {
        try {
            requireMonth(bad);
            ADD_FAILURE() << "no error";
        } catch (const AppError& e) {
            EXPECT_STREQ(e.what(), "Selezionare un mese");
        }
    }
}

}  // namespace
}  // namespace labels
