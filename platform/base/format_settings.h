// The locale settings that number, date and time formatting read. The
// program runs with the settings of a Chinese (PRC) locale; the texts are
// GBK like every other text of the program.
#pragma once

#include <array>
#include <string>

#include "platform/base/ansi_string.h"

struct TFormatSettings {
    char DecimalSeparator = '.';
    char ThousandSeparator = ',';
    char DateSeparator = '-';
    char TimeSeparator = ':';
    AnsiString ShortDateFormat = "yyyy-m-d";
    AnsiString LongDateFormat = "yyyy'年'm'月'd'日'";
    AnsiString ShortTimeFormat = "h:nn";
    AnsiString LongTimeFormat = "h:nn:ss";
    AnsiString TimeAMString = "上午";
    AnsiString TimePMString = "下午";
    // [0] is January.
    std::array<AnsiString, 12> ShortMonthNames = {"一月", "二月", "三月", "四月", "五月", "六月",
                                                  "七月", "八月", "九月", "十月", "十一月", "十二月"};
    std::array<AnsiString, 12> LongMonthNames = ShortMonthNames;
    // [0] is Sunday.
    std::array<AnsiString, 7> ShortDayNames = {"星期日", "星期一", "星期二", "星期三",
                                               "星期四", "星期五", "星期六"};
    std::array<AnsiString, 7> LongDayNames = ShortDayNames;
};

// The settings in use; a default-constructed TFormatSettings holds the same
// values.
extern TFormatSettings FormatSettings;
