// Dates and times: a TDateTime counts days since 1899-12-30; its fraction is
// the time of day (0.25 = 06:00). Before that day the whole part is negative
// and the fraction still counts forward from midnight (-1.25 = 1899-12-29 06:00).
#pragma once

#include <cstdint>
#include <string>

#include "platform/base/ansi_string.h"

using TDateTime = double;

inline constexpr int HoursPerDay = 24;
inline constexpr int MinsPerDay = HoursPerDay * 60;
inline constexpr int SecsPerDay = MinsPerDay * 60;
inline constexpr int MSecsPerDay = SecsPerDay * 1000;

// The local date and time.
TDateTime Now();
TDateTime Date();
TDateTime Time();

bool IsLeapYear(int Year);

// Year 1..9999, month 1..12, day 1..days of that month.
bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Result);
// Hour 0..23, Min and Sec 0..59, MSec 0..999.
bool TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime& Result);
// Raise EConvertError "Invalid argument to date encode" / "... time encode".
TDateTime EncodeDate(int Year, int Month, int Day);
TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec);
void DecodeDate(TDateTime DateTime, int& Year, int& Month, int& Day);
void DecodeTime(TDateTime DateTime, int& Hour, int& Min, int& Sec, int& MSec);
// 1 = Sunday .. 7 = Saturday.
int DayOfWeek(TDateTime DateTime);

// Formats DateTime with the names and separators of FormatSettings. Tokens
// (letters in either case):
//   c        ShortDateFormat, then " " and LongTimeFormat unless the time is 00:00:00
//   d dd     day, without / with a leading zero
//   ddd dddd short / long day name;  ddddd ShortDateFormat;  dddddd LongDateFormat
//   m mm     month, without / with a leading zero (minutes right after h or hh)
//   mmm mmmm short / long month name
//   yy yyyy  two- / four-digit year
//   h hh, n nn, s ss   hour, minute, second, without / with a leading zero
//   z zzz    milliseconds, without / with leading zeros
//   t tt     ShortTimeFormat / LongTimeFormat
//   am/pm a/p  12-hour clock, followed by the token's own letters for the half
//   ampm     12-hour clock, followed by TimeAMString or TimePMString
//   /  :     DateSeparator, TimeSeparator
//   '...' "..."  literal text
// Anything else, double-byte characters included, is copied as it is.
AnsiString FormatDateTime(const AnsiString& Format, TDateTime DateTime);
AnsiString DateToStr(TDateTime DateTime);         // ShortDateFormat
AnsiString TimeToStr(TDateTime DateTime);         // LongTimeFormat
AnsiString DateTimeToStr(TDateTime DateTime);     // "c": the time only when not midnight
