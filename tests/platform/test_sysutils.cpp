#include "platform/SysUtils.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(SysUtilsDates, EpochAndKnownDaysEncode) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
    EXPECT_EQ(EncodeDate(1899, 12, 29), -1.0);
    int y = 0, m = 0, d = 0;
    DecodeDate(45000.75, y, m, d);
    EXPECT_EQ(QDate(y, m, d), QDate(2023, 3, 15));
    // Floor semantics before the epoch: -0.25 is 29 December at 18:00.
    DecodeDate(-0.25, y, m, d);
    EXPECT_EQ(QDate(y, m, d), QDate(1899, 12, 29));
    EXPECT_EQ(DateOf(-0.25), -1.0);
}

TEST(SysUtilsDates, InvalidDatesRaiseConvertError) {
    EXPECT_THROW(EncodeDate(2023, 2, 29), EConvertError);
    EXPECT_THROW(EncodeDate(2023, 13, 1), EConvertError);
    EXPECT_THROW(EncodeDate(2023, 0, 1), EConvertError);
    EXPECT_THROW(EncodeDate(0, 1, 1), EConvertError);
    EXPECT_THROW(EncodeDate(2023, 4, 31), EConvertError);
    EXPECT_NO_THROW(EncodeDate(2024, 2, 29));
}

TEST(SysUtilsDates, DayNumbersOutsideTheCalendarRaiseConvertError) {
    // A stored number is not necessarily a date: no routine may turn it into garbage.
    for (double bad : {1e300, -1e300, 2958466.0, -693594.0, std::nan(""), HUGE_VAL}) {
        int y = 0, m = 0, d = 0, h = 0, n = 0, s = 0, ms = 0;
        EXPECT_THROW(DecodeDate(bad, y, m, d), EConvertError) << bad;
        EXPECT_THROW(DateToStr(bad), EConvertError) << bad;
        EXPECT_THROW(DateTimeToStr(bad), EConvertError) << bad;
        EXPECT_THROW(DayOfWeek(bad), EConvertError) << bad;
        EXPECT_THROW(IncMonth(bad, 1), EConvertError) << bad;
        EXPECT_THROW(DecodeTime(bad, h, n, s, ms), EConvertError) << bad;
    }
    EXPECT_EQ(DateToStr(EncodeDate(9999, 12, 31) + 0.99), "9999-12-31");
    EXPECT_EQ(DateToStr(EncodeDate(1, 1, 1)), "0001-01-01");
    EXPECT_THROW(IncMonth(EncodeDate(9999, 12, 1), 1), EConvertError);
}

TEST(SysUtilsDates, LeapYearsAndMonthLengths) {
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_FALSE(IsLeapYear(2100));
    EXPECT_FALSE(IsLeapYear(2023));
    EXPECT_EQ(MonthDays(2024, 2), 29);
    EXPECT_EQ(MonthDays(1900, 2), 28);
    EXPECT_EQ(MonthDays(2023, 12), 31);
    EXPECT_EQ(MonthDays(2023, 11), 30);
    EXPECT_EQ(MonthDays(2023, 13), 0);
}

TEST(SysUtilsDates, DayOfWeekIsOneForSunday) {
    EXPECT_EQ(DayOfWeek(0), 7);                             // 30 Dec 1899, a Saturday
    EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 6)), 1);       // Sunday
    EXPECT_EQ(DayOfWeek(EncodeDate(2024, 2, 29) + 0.9), 5); // Thursday, any time of day
    EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 24)), 1);      // before the epoch
}

TEST(SysUtilsDates, IncMonthClampsTheDayAndKeepsTheTime) {
    EXPECT_EQ(IncMonth(EncodeDate(2024, 1, 31)), EncodeDate(2024, 2, 29));
    EXPECT_EQ(IncMonth(EncodeDate(2023, 1, 31)), EncodeDate(2023, 2, 28));
    EXPECT_EQ(IncMonth(EncodeDate(2023, 12, 15), 1), EncodeDate(2024, 1, 15));
    EXPECT_EQ(IncMonth(EncodeDate(2024, 1, 15), -1), EncodeDate(2023, 12, 15));
    EXPECT_EQ(IncMonth(EncodeDate(2024, 3, 31), -13), EncodeDate(2023, 2, 28));
    EXPECT_DOUBLE_EQ(IncMonth(EncodeDate(2024, 5, 10) + 0.5, 2), EncodeDate(2024, 7, 10) + 0.5);
}

TEST(SysUtilsDates, TimeEncodesAndDecodes) {
    EXPECT_DOUBLE_EQ(EncodeTime(12, 0, 0), 0.5);
    int h = 0, n = 0, s = 0, ms = 0;
    DecodeTime(EncodeDate(2020, 1, 1) + EncodeTime(23, 59, 58, 999), h, n, s, ms);
    EXPECT_EQ((std::vector<int>{h, n, s, ms}), (std::vector<int>{23, 59, 58, 999}));
    EXPECT_THROW(EncodeTime(24, 0, 0), EConvertError);
    EXPECT_THROW(EncodeTime(0, 60, 0), EConvertError);
}

TEST(SysUtilsDateText, ShortDateRoundTrips) {
    EXPECT_EQ(DateToStr(EncodeDate(2026, 12, 2)), "2026-12-02");
    EXPECT_EQ(DateToStr(EncodeDate(987, 1, 5)), "0987-01-05");
    for (TDateTime d = EncodeDate(1999, 12, 25); d < EncodeDate(2000, 3, 5); d += 1)
        EXPECT_EQ(StrToDate(DateToStr(d)), d);
}

TEST(SysUtilsDateText, DateTimeTextShowsTimeOnlyWhenPresent) {
    TDateTime d = EncodeDate(2026, 1, 5);
    EXPECT_EQ(DateTimeToStr(d), "2026-01-05");
    EXPECT_EQ(DateTimeToStr(d + EncodeTime(9, 5, 3)), "2026-01-05 09:05:03");
    EXPECT_EQ(StrToDateTime("2026-01-05 09:05:03"), d + EncodeTime(9, 5, 3));
    EXPECT_EQ(StrToDateTime("2026/1/5"), d);
    EXPECT_THROW(StrToDateTime("2026-01-0509:05"), EConvertError);
}

TEST(SysUtilsDateText, ParsingAcceptsSeparatorsShortPartsAndBlanks) {
    TDateTime want = EncodeDate(2026, 12, 2);
    EXPECT_EQ(StrToDate("2026/12/2"), want);
    EXPECT_EQ(StrToDate("2026-12-02"), want);
    EXPECT_EQ(StrToDate("  2026-12-2 \t"), want);
    EXPECT_EQ(StrToDate("2026-1-05"), EncodeDate(2026, 1, 5));
    EXPECT_EQ(StrToDate("1979/03/12"), EncodeDate(1979, 3, 12));
}

TEST(SysUtilsDateText, BadDatesRaiseWithTheText) {
    for (const char* bad :
         {"", "2026", "2026-12", "2026-12-", "2026/12-02", "2026-13-01", "2026-02-30", "26-12-02",
          "2026-123-1", "2026-12-02x", "____/__/__", "2026-12-02 10:00", "２０２６-12-02"}) {
        TDateTime d = 0;
        EXPECT_FALSE(TryStrToDate(QString::fromUtf8(bad), d)) << bad;
    }
    try {
        StrToDate("1979/02/30");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'1979/02/30' is not a valid date");
        EXPECT_STREQ(e.what(), "'1979/02/30' is not a valid date");
    }
}

TEST(SysUtilsText, IntegersParseStrictly) {
    EXPECT_EQ(StrToInt("28"), 28);
    EXPECT_EQ(StrToInt("-7"), -7);
    EXPECT_EQ(StrToInt("+7"), 7);
    EXPECT_EQ(StrToInt("  30"), 30);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
    // Either side of the nine digits read in one pass.
    EXPECT_EQ(StrToInt("999999999"), 999999999);
    EXPECT_EQ(StrToInt("-999999999"), -999999999);
    EXPECT_EQ(StrToInt("1000000000"), 1000000000);
    EXPECT_EQ(StrToInt("-1000000000"), -1000000000);
    EXPECT_EQ(StrToInt("00000000012"), 12);
    EXPECT_EQ(StrToInt("-0"), 0);
    for (const char* bad :
         {"", " ", "30 ", "3 0", "-", "0x1F", "$1F", "1e3", "2147483648", "-2147483649",
          "99999999999999999999", "二十八", "1/2", "9:", "12-3", "--1", "-+1", "1\n"}) {
        int v = 0;
        EXPECT_FALSE(TryStrToInt(QString::fromUtf8(bad), v)) << bad;
    }
    try {
        StrToInt("abc");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'abc' is not a valid integer value");
    }
    EXPECT_EQ(IntToStr(-42), "-42");
}

TEST(SysUtilsText, TrimRemovesBlanksAndControlsOnly) {
    EXPECT_EQ(Trim("  a b \r\n\t"), "a b");
    EXPECT_EQ(Trim(" \n "), "");
    EXPECT_EQ(Trim(QString::fromUtf8("\u3000正常\u3000")), QString::fromUtf8("\u3000正常\u3000"));
}
