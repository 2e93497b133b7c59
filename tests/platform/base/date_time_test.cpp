#include "platform/base/date_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/base/exceptions.h"
#include "platform/base/format_settings.h"

namespace {

// Runs a test with settings of its own and puts the program's back after.
class DateFormats : public ::testing::Test {
protected:
    void SetUp() override { saved_ = FormatSettings; }
    void TearDown() override { FormatSettings = saved_; }

private:
    TFormatSettings saved_;
};

AnsiString ConvertError(auto f)
{
    try {
        f();
    } catch (const EConvertError& e) {
        return e.Message();
    }
    return "";
}

}  // namespace

TEST(DateTime, EncodeDecodeRoundTrips)
{
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526);
    EXPECT_EQ(EncodeDate(1, 1, 1), -693593);
    EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465);

    // Every day of four centuries (leap rules included) and back.
    TDateTime day = EncodeDate(1800, 1, 1);
    for (int year = 1800; year < 2200; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const bool shortMonth = month == 4 || month == 6 || month == 9 || month == 11;
            const int days = month == 2 ? (IsLeapYear(year) ? 29 : 28) : shortMonth ? 30 : 31;
            for (int d = 1; d <= days; ++d, ++day) {
                ASSERT_EQ(EncodeDate(year, month, d), day);
                int y = 0, m = 0, dd = 0;
                DecodeDate(day < 0 ? day - 0.75 : day + 0.75, y, m, dd);
                ASSERT_TRUE(y == year && m == month && dd == d) << year << "-" << month << "-" << d;
            }
        }
    }
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(2000));

    for (int ms = 0; ms < MSecsPerDay; ms += 997) {
        int h = 0, n = 0, s = 0, z = 0;
        const TDateTime time = EncodeTime(ms / 3600000, ms / 60000 % 60, ms / 1000 % 60, ms % 1000);
        DecodeTime(EncodeDate(2024, 2, 29) + time, h, n, s, z);
        ASSERT_EQ(((h * 60 + n) * 60 + s) * 1000 + z, ms);
    }

    // Before day 0 the fraction still counts forward from midnight.
    int y = 0, m = 0, d = 0, h = 0, n = 0, s = 0, z = 0;
    DecodeDate(-1.25, y, m, d);
    DecodeTime(-1.25, h, n, s, z);
    EXPECT_EQ(std::vector<int>({y, m, d, h, n}), std::vector<int>({1899, 12, 29, 6, 0}));
    // Half a millisecond before midnight is midnight of the next day, for both halves.
    const TDateTime almost = EncodeDate(2023, 12, 31) + (MSecsPerDay - 0.4) / MSecsPerDay;
    DecodeDate(almost, y, m, d);
    DecodeTime(almost, h, n, s, z);
    EXPECT_EQ(std::vector<int>({y, m, d, h, n, s, z}), std::vector<int>({2024, 1, 1, 0, 0, 0, 0}));

    EXPECT_EQ(DayOfWeek(EncodeDate(2024, 1, 7)), 1);  // a Sunday
    EXPECT_EQ(DayOfWeek(0), 7);
    EXPECT_EQ(DayOfWeek(-1.5), 6);
    EXPECT_EQ(DayOfWeek(EncodeDate(1, 1, 1)), 2);
    DecodeDate(NAN, y, m, d);  // a damaged value decodes to something, quietly
    EXPECT_EQ(std::vector<int>({y, m, d}), std::vector<int>({1899, 12, 30}));
    DecodeDate(1e300, y, m, d);

    TDateTime out = 42;
    EXPECT_FALSE(TryEncodeDate(1900, 2, 29, out));
    EXPECT_FALSE(TryEncodeDate(0, 1, 1, out));
    EXPECT_FALSE(TryEncodeDate(2024, 13, 1, out));
    EXPECT_FALSE(TryEncodeTime(24, 0, 0, 0, out));
    EXPECT_FALSE(TryEncodeTime(0, 0, 0, 1000, out));
    EXPECT_EQ(out, 42);
    EXPECT_TRUE(TryEncodeTime(23, 59, 59, 999, out));
    EXPECT_EQ(ConvertError([] { EncodeDate(2023, 2, 29); }), "Invalid argument to date encode");
    EXPECT_EQ(ConvertError([] { EncodeTime(12, 60, 0, 0); }), "Invalid argument to time encode");

    const TDateTime now = Now();
    EXPECT_EQ(Date(), std::floor(now));
    EXPECT_LT(std::fabs(Date() + Time() - now), 5.0 / SecsPerDay);
}

TEST_F(DateFormats, Tokens)
{
    FormatSettings.DateSeparator = '/';
    FormatSettings.TimeSeparator = '.';
    FormatSettings.ShortDateFormat = "m/d/yyyy";
    FormatSettings.LongDateFormat = "dddd, mmmm d, yyyy";
    FormatSettings.ShortTimeFormat = "h:nn";
    FormatSettings.LongTimeFormat = "hh:nn:ss";
    FormatSettings.TimeAMString = "AM";
    FormatSettings.TimePMString = "PM";
    FormatSettings.ShortMonthNames[2] = "Mar";
    FormatSettings.LongMonthNames[2] = "March";
    FormatSettings.ShortDayNames[2] = "Tue";
    FormatSettings.LongDayNames[2] = "Tuesday";

    const TDateTime t = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 45);  // a Tuesday
    EXPECT_EQ(FormatDateTime("d dd ddd dddd", t), "5 05 Tue Tuesday");
    EXPECT_EQ(FormatDateTime("ddddd|dddddd", t), "3/5/2024|Tuesday, March 5, 2024");
    EXPECT_EQ(FormatDateTime("m mm mmm mmmm yy yyyy", t), "3 03 Mar March 24 2024");
    EXPECT_EQ(FormatDateTime("h hh n nn s ss z zzz", t), "14 14 7 07 9 09 45 045");
    EXPECT_EQ(FormatDateTime("H:M HH:mm:SS", t), "14.7 14.07.09");  // m after h is minutes
    EXPECT_EQ(FormatDateTime("t|tt|c", t), "14.07|14.07.09|3/5/2024 14.07.09");
    EXPECT_EQ(FormatDateTime("c", EncodeDate(2024, 3, 5)), "3/5/2024");
    EXPECT_EQ(FormatDateTime("h:nn am/pm|hh AM/PM|h a/p|h A/P|h ampm", t), "2.07 pm|02 PM|2 p|2 P|2 PM");
    EXPECT_EQ(FormatDateTime("h:nn am/pm", EncodeTime(0, 30, 0, 0)), "12.30 am");
    EXPECT_EQ(FormatDateTime("'d/m' \"h:n\" yyyy-x", t), "d/m h:n 2024-x");
    EXPECT_EQ(FormatDateTime("'unclosed", t), "unclosed");
    EXPECT_EQ(DateToStr(t) + "|" + TimeToStr(t) + "|" + DateTimeToStr(t), "3/5/2024|14.07.09|3/5/2024 14.07.09");

    // A format that names itself stops instead of recursing forever.
    FormatSettings.ShortDateFormat = "[ddddd]";
    EXPECT_EQ(FormatDateTime("ddddd", t), "[[]]");
}

TEST_F(DateFormats, ChineseLocale)
{
    const TDateTime t = EncodeDate(2024, 3, 5) + EncodeTime(9, 5, 0, 0);
    EXPECT_EQ(DateToStr(t), "2024-3-5");
    EXPECT_EQ(TimeToStr(t), "9:05:00");
    EXPECT_EQ(DateTimeToStr(t), "2024-3-5 9:05:00");
    EXPECT_EQ(FormatDateTime("dddddd dddd", t), "2024年3月5日 星期二");
    EXPECT_EQ(FormatDateTime("ampm h:nn", t + 0.5), "下午 9:05");
    // Trail bytes that look like tokens stay part of their characters:
    // 門 ends in 'T', 這 in '@', 說 in 'f'.
    EXPECT_EQ(FormatDateTime("門這說d", t), "門這說5");
}
