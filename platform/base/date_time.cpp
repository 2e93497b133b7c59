#include "platform/base/date_time.h"

#include <algorithm>
#include <cmath>
#include <ctime>

#include "platform/base/code_page.h"
#include "platform/base/exceptions.h"
#include "platform/base/format_settings.h"

namespace {

// Days from 1970-01-01 to the given day of the proleptic Gregorian calendar.
int64_t DaysFromCivil(int64_t y, int m, int d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day)
{
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

// 1899-12-30, day 0 of TDateTime, counted from 1970-01-01.
constexpr int64_t DateDelta = -25569;

int DaysInAMonth(int year, int month)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// Splits a date and time at millisecond precision into whole days and the
// milliseconds of the day, the way every decoder must agree on: 23:59:59.9996
// is already midnight of the next day.
void SplitDateTime(TDateTime dateTime, int64_t& days, int64_t& msecs)
{
    // Garbage (NaN, or days far beyond any calendar) must not overflow the
    // arithmetic below.
    dateTime = std::isnan(dateTime) ? 0 : std::clamp(dateTime, -1e9, 1e9);
    const auto total = static_cast<int64_t>(std::llround(dateTime * MSecsPerDay));
    days = total / MSecsPerDay;
    msecs = (total < 0 ? -total : total) % MSecsPerDay;
}

TDateTime LocalNow(bool withDate, bool withTime)
{
    struct timespec ts {};
    clock_gettime(CLOCK_REALTIME, &ts);
    struct tm local {};
    localtime_r(&ts.tv_sec, &local);
    TDateTime result = 0;
    if (withDate)
        result += EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    if (withTime)
        result += EncodeTime(local.tm_hour, local.tm_min, local.tm_sec > 59 ? 59 : local.tm_sec,
                             static_cast<int>(ts.tv_nsec / 1000000));
    return result;
}

}  // namespace

TDateTime Now() { return LocalNow(true, true); }
TDateTime Date() { return LocalNow(true, false); }
TDateTime Time() { return LocalNow(false, true); }

bool IsLeapYear(int Year) { return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0); }

bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Result)
{
    if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 || Day > DaysInAMonth(Year, Month))
        return false;
    Result = static_cast<TDateTime>(DaysFromCivil(Year, Month, Day) - DateDelta);
    return true;
}

bool TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime& Result)
{
    if (Hour < 0 || Hour >= HoursPerDay || Min < 0 || Min > 59 || Sec < 0 || Sec > 59 || MSec < 0 || MSec > 999)
        return false;
    Result = (((Hour * 60 + Min) * 60 + Sec) * 1000 + MSec) / static_cast<double>(MSecsPerDay);
    return true;
}

TDateTime EncodeDate(int Year, int Month, int Day)
{
    TDateTime result = 0;
    if (!TryEncodeDate(Year, Month, Day, result))
        throw EConvertError("Invalid argument to date encode");
    return result;
}

TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec)
{
    TDateTime result = 0;
    if (!TryEncodeTime(Hour, Min, Sec, MSec, result))
        throw EConvertError("Invalid argument to time encode");
    return result;
}

void DecodeDate(TDateTime DateTime, int& Year, int& Month, int& Day)
{
    int64_t days = 0, msecs = 0;
    SplitDateTime(DateTime, days, msecs);
    CivilFromDays(days + DateDelta, Year, Month, Day);
}

void DecodeTime(TDateTime DateTime, int& Hour, int& Min, int& Sec, int& MSec)
{
    int64_t days = 0, msecs = 0;
    SplitDateTime(DateTime, days, msecs);
    MSec = static_cast<int>(msecs % 1000);
    Sec = static_cast<int>(msecs / 1000 % 60);
    Min = static_cast<int>(msecs / 60000 % 60);
    Hour = static_cast<int>(msecs / 3600000);
}

int DayOfWeek(TDateTime DateTime)
{
    int64_t days = 0, msecs = 0;
    SplitDateTime(DateTime, days, msecs);
    // Day 0 was a Saturday.
    return static_cast<int>(((days + 6) % 7 + 7) % 7) + 1;
}

namespace {

bool StartsWithText(std::string_view s, size_t offset, std::string_view prefix)
{
    return s.size() - offset >= prefix.size() && SameText(s.substr(offset, prefix.size()), prefix);
}

// Whether the hour at offset is followed by an am/pm token, outside quotes
// and before the next 'a' or hour.
bool HasHalfDayAhead(std::string_view format, size_t offset)
{
    char quote = 0;
    for (size_t i = offset; i < format.size(); i += CharLengthAt(format, i)) {
        char c = format[i];
        if (CharLengthAt(format, i) == 2)
            continue;
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == 'a' || c == 'A') {
            return StartsWithText(format, i, "am/pm") || StartsWithText(format, i, "a/p") ||
                   StartsWithText(format, i, "ampm");
        } else if (c == 'h' || c == 'H') {
            return false;
        }
    }
    return false;
}

// Writes one TDateTime by a format; nested formats (c, ddddd, t ...) run
// through the same writer, but no deeper than two levels, so that a locale
// format naming itself cannot recurse without end.
class DateTimeWriter {
public:
    explicit DateTimeWriter(TDateTime dateTime)
    {
        DecodeDate(dateTime, year_, month_, day_);
        DecodeTime(dateTime, hour_, minute_, second_, msec_);
        dayOfWeek_ = DayOfWeek(dateTime);
    }

    const AnsiString& Result() const { return out_; }

    void Write(std::string_view format, int depth);

private:
    void Number(int value, int digits)
    {
        AnsiString text = std::to_string(value);
        if (text.size() < static_cast<size_t>(digits))
            out_.append(static_cast<size_t>(digits) - text.size(), '0');
        out_ += text;
    }

    void Nested(const AnsiString& format, int depth)
    {
        if (depth < 2)
            Write(format, depth + 1);
    }

    int year_ = 0, month_ = 0, day_ = 0, hour_ = 0, minute_ = 0, second_ = 0, msec_ = 0, dayOfWeek_ = 0;
    AnsiString out_;
};

void DateTimeWriter::Write(std::string_view format, int depth)
{
    const TFormatSettings& fs = FormatSettings;
    char lastLetter = 0;
    bool twelveHour = false;  // an am/pm token came before, or follows the hour
    size_t i = 0;
    while (i < format.size()) {
        const char c = format[i];
        if (CharLengthAt(format, i) == 2) {
            out_.append(format.substr(i, 2));
            i += 2;
            continue;
        }
        size_t count = 1;
        while (i + count < format.size() && format[i + count] == c)
            ++count;
        char token = UpCase(c);
        if (token >= 'A' && token <= 'Z') {
            if (token == 'M' && lastLetter == 'H')
                token = 'N';
            lastLetter = token;
        }
        switch (token) {
        case 'Y':
            count <= 2 ? Number(year_ % 100, 2) : Number(year_, 4);
            break;
        case 'M':
            if (count <= 2)
                Number(month_, static_cast<int>(count));
            else
                out_ += count == 3 ? fs.ShortMonthNames[month_ - 1] : fs.LongMonthNames[month_ - 1];
            break;
        case 'D':
            if (count <= 2)
                Number(day_, static_cast<int>(count));
            else if (count <= 4)
                out_ += count == 3 ? fs.ShortDayNames[dayOfWeek_ - 1] : fs.LongDayNames[dayOfWeek_ - 1];
            else
                Nested(count == 5 ? fs.ShortDateFormat : fs.LongDateFormat, depth);
            break;
        case 'H': {
            twelveHour = twelveHour || HasHalfDayAhead(format, i + count);
            int hour = hour_;
            if (twelveHour) {
                hour %= 12;
                if (hour == 0)
                    hour = 12;
            }
            Number(hour, count == 1 ? 1 : 2);
            break;
        }
        case 'N':
            Number(minute_, count == 1 ? 1 : 2);
            break;
        case 'S':
            Number(second_, count == 1 ? 1 : 2);
            break;
        case 'Z':
            Number(msec_, count < 3 ? 1 : 3);
            break;
        case 'T':
            Nested(count == 1 ? fs.ShortTimeFormat : fs.LongTimeFormat, depth);
            break;
        case 'C':
            Nested(fs.ShortDateFormat, depth);
            if (hour_ != 0 || minute_ != 0 || second_ != 0) {
                out_ += ' ';
                Nested(fs.LongTimeFormat, depth);
            }
            break;
        case 'A': {
            // The half-day tokens write the letters they were written with.
            const bool pm = hour_ >= 12;
            if (StartsWithText(format, i, "am/pm")) {
                out_.append(format.substr(pm ? i + 3 : i, 2));
                count = 5;
            } else if (StartsWithText(format, i, "a/p")) {
                out_.append(format.substr(pm ? i + 2 : i, 1));
                count = 3;
            } else if (StartsWithText(format, i, "ampm")) {
                out_ += pm ? fs.TimePMString : fs.TimeAMString;
                count = 4;
            } else {
                out_ += c;
                count = 1;
                break;
            }
            twelveHour = true;
            break;
        }
        case '/':
            count = 1;
            out_ += fs.DateSeparator;
            break;
        case ':':
            count = 1;
            out_ += fs.TimeSeparator;
            break;
        case '\'':
        case '"': {
            size_t end = i + 1;
            while (end < format.size() && format[end] != c)
                end += CharLengthAt(format, end);
            out_.append(format.substr(i + 1, std::min(end, format.size()) - i - 1));
            count = end - i + 1;
            break;
        }
        default:
            out_.append(count, c);
            break;
        }
        i += count;
    }
}

}  // namespace

AnsiString FormatDateTime(const AnsiString& Format, TDateTime DateTime)
{
    DateTimeWriter writer(DateTime);
    writer.Write(Format, 0);
    return writer.Result();
}

AnsiString DateToStr(TDateTime DateTime) { return FormatDateTime("ddddd", DateTime); }
AnsiString TimeToStr(TDateTime DateTime) { return FormatDateTime("tt", DateTime); }
AnsiString DateTimeToStr(TDateTime DateTime) { return FormatDateTime("c", DateTime); }
