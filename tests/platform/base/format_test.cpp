#include "platform/base/format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "platform/base/exceptions.h"
#include "platform/base/format_settings.h"

namespace {

// The message of the EConvertError that Format raises, or "" when it
// succeeds.
std::string FormatError(std::string_view fmt, std::initializer_list<TFormatArg> args)
{
    try {
        Format(fmt, args);
    } catch (const EConvertError& e) {
        return e.Message();
    }
    return "";
}

// Restores the global separators when a test changes them.
struct SeparatorsGuard {
    TFormatSettings saved = FormatSettings;
    ~SeparatorsGuard() { FormatSettings = saved; }
};

}  // namespace

TEST(Format, IntegersWidthPrecisionAndHex)
{
    EXPECT_EQ(Format("Invalid stringlist index %d", {-1}), "Invalid stringlist index -1");
    EXPECT_EQ(Format("[%5d][%-5d][%.3d][%5.3d]", {42, 42, -5, 7}), "[   42][42   ][-005][  007]");
    EXPECT_EQ(Format("%d %d", {std::numeric_limits<int64_t>::min(), std::numeric_limits<uint64_t>::max()}),
              "-9223372036854775808 18446744073709551615");
    EXPECT_EQ(Format("%u %u", {-1, int64_t{-1}}), "4294967295 18446744073709551615");
    EXPECT_EQ(Format("%x %.4x %x %x", {255, 10, -1, int64_t{-2}}), "FF 000A FFFFFFFF FFFFFFFFFFFFFFFE");
    EXPECT_EQ(Format("%X %D", {static_cast<unsigned char>(200), static_cast<short>(-3)}), "C8 -3");
    EXPECT_EQ(Format("100%%"), "100%");
    int dummy = 0;
    EXPECT_EQ(Format("%p", {&dummy}).size(), 2 * sizeof(void*));
    EXPECT_EQ(Format("%p", {static_cast<void*>(nullptr)}), std::string(2 * sizeof(void*), '0'));
}

TEST(Format, StringsIndexesAndStars)
{
    std::string name = "Tandril";
    EXPECT_EQ(Format("%s,%d", {name, 3}), "Tandril,3");
    EXPECT_EQ(Format("<%6s><%-6s><%.3s><%s>", {"ab", "ab", "abcdef", 'c'}), "<    ab><ab    ><abc><c>");
    // Cutting never keeps half of 說 (D5 66) or 中 (D6 D0).
    EXPECT_EQ(Format("%.3s|%.4s|%.1s", {"說門", "說門", "中"}), "說|說門|");
    EXPECT_EQ(Format("%s", {static_cast<const char*>(nullptr)}), "");
    // An index sets the argument that the following directives go on from.
    EXPECT_EQ(Format("%1:s %0:s %s", {"a", "b"}), "b a b");
    EXPECT_EQ(Format("[%*d][%-*d][%.*f][%*.*f]", {4, 7, 3, 7, 1, 2.5, 6, 2, 1.0}), "[   7][7  ][2.5][  1.00]");
    EXPECT_EQ(Format("%*d", {-4, 7}), "7");
    EXPECT_EQ(Format("%s%s%s%s%s%s%s%s%s%s", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"}), "1234567890");
}

TEST(Format, Floats)
{
    EXPECT_EQ(Format("%.2f GB", {1.5}), "1.50 GB");
    EXPECT_EQ(Format("%f|%.0f|%.1f|%.2f", {3.14159, 0.5, 2.25, -0.001}), "3.14|1|2.3|0.00");
    EXPECT_EQ(Format("%.1f|%.2f", {-2.25, 1.005}), "-2.3|1.00");  // 1.005 is really 1.00499...
    EXPECT_EQ(Format("%n|%.0n|%n", {1234567.891, 999.0, -1234.5}), "1,234,567.89|999|-1,234.50");
    EXPECT_EQ(Format("%m", {12.345}), "12.35");
    EXPECT_EQ(Format("%e|%.3e|%.1e|%e", {1.0, 1234.5, -0.00012, 1e-300}),
              "1.00000000000000E+000|1.23E+003|-1E-004|1.00000000000000E-300");
    EXPECT_EQ(Format("%g|%g|%g|%g|%g", {0.1, 100.0, 1e15, 999999999999999.0, 1.5e-5}),
              "0.1|100|1E15|999999999999999|1.5E-5");
    EXPECT_EQ(Format("%g|%g|%g|%.3g|%g", {0.0001, -2.5, 1.0 / 3, 2.0 / 3, 0.0}),
              "0.0001|-2.5|0.333333333333333|0.667|0");
    EXPECT_EQ(Format("%g|%g|%f", {NAN, -INFINITY, INFINITY}), "NAN|-INF|INF");
    EXPECT_EQ(Format("%8.2f|%-8.1e|", {-1.5, 5.0}), "   -1.50|5E+000  |");

    SeparatorsGuard guard;
    FormatSettings.DecimalSeparator = ',';
    FormatSettings.ThousandSeparator = '.';
    EXPECT_EQ(Format("%.2f %n %g %e", {1.5, 12345.678, 0.25, 10.0}), "1,50 12.345,68 0,25 1,00000000000000E+001");
}

TEST(Format, BadFormatsAndArguments)
{
    EXPECT_EQ(FormatError("%s", {5}), "Format '%s' invalid or incompatible with argument");
    EXPECT_EQ(FormatError("%d", {2.5}), "Format '%d' invalid or incompatible with argument");
    EXPECT_EQ(FormatError("%f", {2}), "Format '%f' invalid or incompatible with argument");
    EXPECT_EQ(FormatError("%d", {'c'}), "Format '%d' invalid or incompatible with argument");
    EXPECT_EQ(FormatError("%p", {"text"}), "Format '%p' invalid or incompatible with argument");
    EXPECT_EQ(FormatError("abc %", {1}), "Format 'abc %' invalid or incompatible with argument");
    EXPECT_EQ(FormatError("%y", {1}), "Format '%y' invalid or incompatible with argument");
    EXPECT_EQ(FormatError("%5-d", {1}), "Format '%5-d' invalid or incompatible with argument");
    EXPECT_EQ(FormatError("%.d", {1}), "Format '%.d' invalid or incompatible with argument");
    EXPECT_EQ(FormatError("%*d", {"x", 1}), "Format '%*d' invalid or incompatible with argument");
    EXPECT_EQ(FormatError("%99999999999d", {1}), "Format '%99999999999d' invalid or incompatible with argument");
    EXPECT_EQ(FormatError("%d %d", {1}), "No argument for format '%d %d'");
    EXPECT_EQ(FormatError("%2:d", {1, 2}), "No argument for format '%2:d'");
    EXPECT_EQ(FormatError("%s", {"ok"}), "");
}

TEST(FormatSettings, ChineseLocaleDefaults)
{
    const TFormatSettings& s = FormatSettings;
    EXPECT_EQ(std::string() + s.DecimalSeparator + s.ThousandSeparator + s.DateSeparator + s.TimeSeparator, ".,-:");
    EXPECT_EQ(s.ShortDateFormat, "yyyy-m-d");
    EXPECT_EQ(s.LongDateFormat, "yyyy'\xC4\xEA'm'\xD4\xC2'd'\xC8\xD5'");  // 年 月 日 in GBK
    EXPECT_EQ(s.ShortTimeFormat + "|" + s.LongTimeFormat, "h:nn|h:nn:ss");
    EXPECT_EQ(s.TimeAMString, "\xC9\xCF\xCE\xE7");  // 上午
    EXPECT_EQ(s.LongMonthNames[0], "\xD2\xBB\xD4\xC2");  // 一月
    EXPECT_EQ(s.ShortMonthNames[11], "\xCA\xAE\xB6\xFE\xD4\xC2");  // 十二月
    EXPECT_EQ(s.LongDayNames[0], "\xD0\xC7\xC6\xDA\xC8\xD5");  // 星期日
    EXPECT_EQ(s.ShortDayNames[6], "星期六");
}
