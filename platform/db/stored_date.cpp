// Dates to and from their stored text form.
#include "platform/db/stored_date.h"

#include <cstdio>

AnsiString FormatStoredDate(TDateTime Value)
{
    int year, month, day, hour, min, sec, msec;
    DecodeDate(Value, year, month, day);
    DecodeTime(Value, hour, min, sec, msec);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d", year, month, day, hour, min, sec,
                  msec);
    return text;
}

bool TryParseStoredDate(std::string_view Text, TDateTime& Value)
{
    int year = 0, month = 0, day = 0, hour = 0, min = 0, sec = 0, msec = 0, used = 0;
    const std::string text(Text);
    const int fields = std::sscanf(text.c_str(), "%4d-%2d-%2d%n %2d:%2d:%2d%n.%3d%n", &year, &month, &day, &used,
                                   &hour, &min, &sec, &used, &msec, &used);
    if ((fields != 3 && fields != 6 && fields != 7) || used != static_cast<int>(text.size()))
        return false;
    TDateTime date = 0, time = 0;
    if (!TryEncodeDate(year, month, day, date) || !TryEncodeTime(hour, min, sec, msec, time))
        return false;
    Value = date < 0 ? date - time : date + time;
    return true;
}
