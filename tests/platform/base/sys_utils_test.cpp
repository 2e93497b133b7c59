#include "platform/base/sys_utils.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/base/exceptions.h"

namespace {

template <typename F>
std::string ConvertError(F f)
{
    try {
        f();
    } catch (const EConvertError& e) {
        return e.Message();
    }
    return "";
}

}  // namespace

TEST(SysUtils, IntegerText)
{
    EXPECT_EQ(IntToStr(-2147483647 - 1), "-2147483648");
    EXPECT_EQ(IntToStr(std::numeric_limits<int64_t>::min()), "-9223372036854775808");
    EXPECT_EQ(IntToStr(size_t{4000000000u}), "4000000000");
    EXPECT_EQ(IntToHex(255, 4) + IntToHex(0, 0) + IntToHex(0x00FF8000u, 8), "00FF0" "00FF8000");
    EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFF");
    EXPECT_EQ(IntToHex(int64_t{-1}, 2), "FFFFFFFFFFFFFFFF");

    int v = 0;
    EXPECT_TRUE(TryStrToInt("  -2147483648", v));
    EXPECT_EQ(v, -2147483647 - 1);
    EXPECT_EQ(StrToInt("+12") + StrToInt("$1F") + StrToInt("0x10") + StrToInt("0XfF") + StrToInt("-$10"),
              12 + 31 + 16 + 255 - 16);
    EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);  // how colour values are written
    EXPECT_EQ(StrToInt("$FF000005"), static_cast<int>(0xFF000005u));
    for (const char* bad : {"", " ", "2147483648", "-2147483649", "$100000000", "12 ", "1a", "- 1", "$", "0x",
                            "1.0", "\xD6\xD0", "1\xD5\x66"})
        EXPECT_FALSE(TryStrToInt(bad, v)) << bad;
    EXPECT_EQ(StrToIntDef("x", 7), 7);
    EXPECT_EQ(ConvertError([] { StrToInt("12x"); }), "'12x' is not a valid integer value");

    int64_t w = 0;
    EXPECT_TRUE(TryStrToInt64("9223372036854775807", w));
    EXPECT_EQ(w, std::numeric_limits<int64_t>::max());
    EXPECT_EQ(StrToInt64("-9223372036854775808"), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(StrToInt64("$FFFFFFFFFFFFFFFF"), -1);
    EXPECT_EQ(StrToInt64("4294967296"), int64_t{1} << 32);
    EXPECT_FALSE(TryStrToInt64("9223372036854775808", w));
    EXPECT_FALSE(TryStrToInt64("$10000000000000000", w));
    EXPECT_EQ(ConvertError([] { StrToInt64(""); }), "'' is not a valid integer value");
}

TEST(SysUtils, BooleanAndFloatText)
{
    bool b = false;
    EXPECT_TRUE(StrToBool("tRUe"));
    EXPECT_FALSE(StrToBool("FALSE"));
    EXPECT_TRUE(StrToBool("-1") && StrToBool("2.5"));
    EXPECT_FALSE(StrToBool("0") || StrToBool("0.0"));
    EXPECT_FALSE(TryStrToBool("yes", b));
    EXPECT_TRUE(StrToBoolDef("", true));
    EXPECT_EQ(ConvertError([] { StrToBool("Truth"); }), "'Truth' is not a valid boolean value");
    EXPECT_EQ(BoolToStr(true) + BoolToStr(false) + BoolToStr(true, true) + BoolToStr(false, true), "-10TrueFalse");

    EXPECT_EQ(FloatToStr(0.1) + "|" + FloatToStr(-2.5) + "|" + FloatToStr(1e20) + "|" + FloatToStr(1.5e-5),
              "0.1|-2.5|1E20|1.5E-5");
    EXPECT_EQ(FloatToStr(100) + "|" + FloatToStr(1.0 / 3) + "|" + FloatToStr(-0.0), "100|0.333333333333333|0");
    EXPECT_EQ(StrToFloat(" -1.5e3 "), -1500.0);
    EXPECT_EQ(StrToFloat(".5") + StrToFloat("2."), 2.5);
    EXPECT_DOUBLE_EQ(StrToFloat("+1E-2"), 0.01);
    EXPECT_EQ(StrToFloat("1e-400"), 0.0);
    double d = 0;
    for (const char* bad : {"", ".", "e5", "1e", "1e+", "1,5", "1.5x", "1e400", "0x10", "$10", "1 2", "INF"})
        EXPECT_FALSE(TryStrToFloat(bad, d)) << bad;
    EXPECT_EQ(StrToFloatDef("abc", 4.25), 4.25);
    EXPECT_EQ(ConvertError([] { StrToFloat("1..2"); }), "'1..2' is not a valid floating point value");

    TFormatSettings saved = FormatSettings;
    FormatSettings.DecimalSeparator = ',';
    EXPECT_EQ(StrToFloat("1,25"), 1.25);
    EXPECT_FALSE(TryStrToFloat("1.25", d));
    EXPECT_EQ(FloatToStr(1.25), "1,25");
    FormatSettings = saved;
}

TEST(SysUtils, SubstringsAreOneBasedAndClamped)
{
    EXPECT_EQ(Trim(" \t\r\nab c\x01 "), "ab c");
    EXPECT_EQ(TrimLeft("  a  ") + "|" + TrimRight("  a  "), "a  |  a");
    EXPECT_EQ(Trim("\xA1\xA1" "a\xA1\xA1"), "\xA1\xA1" "a\xA1\xA1");  // the full-width blank stays
    EXPECT_EQ(Trim(" \x80 "), "\x80");
    EXPECT_EQ(Trim("   "), "");

    EXPECT_EQ(Pos("b", "abcb"), 2);
    EXPECT_EQ(Pos("", "abc") + Pos("x", "abc") + Pos("abcd", "abc"), 0);
    EXPECT_EQ(PosEx("b", "abcb", 3), 4);
    EXPECT_EQ(PosEx("b", "abcb", 0) + PosEx("b", "abcb", 5) + PosEx("", "abcb", 1), 0);

    EXPECT_EQ(Copy("abcdef", 2, 3), "bcd");
    EXPECT_EQ(Copy("abcdef", -5, 2), "ab");
    EXPECT_EQ(Copy("abcdef", 5, 100), "ef");
    EXPECT_EQ(Copy("abcdef", 7, 1) + Copy("abcdef", 1, 0) + Copy("abcdef", 1, -1), "");

    std::string s = "abcdef";
    Delete(s, 2, 2);
    EXPECT_EQ(s, "adef");
    Delete(s, 3, 100);
    EXPECT_EQ(s, "ad");
    Delete(s, 0, 1);
    Delete(s, 3, 1);
    EXPECT_EQ(s, "ad");
    Insert("XY", s, 2);
    EXPECT_EQ(s, "aXYd");
    Insert("<", s, -3);
    Insert(">", s, 99);
    EXPECT_EQ(s, "<aXYd>");

    EXPECT_EQ(StringOfChar('*', 3) + StringOfChar('*', -1), "***");
    EXPECT_TRUE(SameStr("Ab", "Ab"));
    EXPECT_FALSE(SameStr("Ab", "ab"));
}

TEST(SysUtils, StringReplaceKeepsDoubleByteCharactersWhole)
{
    EXPECT_EQ(StringReplace("a-b-c", "-", "+", {}), "a+b-c");
    EXPECT_EQ(StringReplace("a-b-c", "-", "+", {rfReplaceAll}), "a+b+c");
    EXPECT_EQ(StringReplace("aAa", "a", "x", {rfReplaceAll, rfIgnoreCase}), "xxx");
    EXPECT_EQ(StringReplace("aAa", "A", "x", {rfIgnoreCase}), "xAa");
    EXPECT_EQ(StringReplace("aaa", "aa", "a", {rfReplaceAll}), "aa");  // no rescan of the replacement
    EXPECT_EQ(StringReplace("abc", "", "x", {rfReplaceAll}), "abc");

    // The trail bytes of 說 (D5 66) and 門 (E9 54) are 'f' and 'T'.
    EXPECT_EQ(StringReplace("說f門t", "f", "#", {rfReplaceAll}), "說#門t");
    EXPECT_EQ(StringReplace("說F門t", "f", "#", {rfReplaceAll, rfIgnoreCase}), "說#門t");
    EXPECT_EQ(StringReplace("說門T", "t", "#", {rfReplaceAll, rfIgnoreCase}), "說門#");
    // 說 must not match D5 46, another character whose trail byte is 'F'.
    EXPECT_EQ(StringReplace("\xD5\x46說", "說", "x", {rfReplaceAll, rfIgnoreCase}), "\xD5\x46x");
    // In 中 (D6 D0) followed by D6 40, the bytes D0 D6 start on a trail byte.
    EXPECT_EQ(StringReplace("中\xD6\x40", "\xD0\xD6", "x", {rfReplaceAll}), "中\xD6\x40");
    EXPECT_EQ(StringReplace("中\xD0\xD6", "\xD0\xD6", "x", {rfReplaceAll}), "中x");
    // A lone lead byte never takes half of a character.
    EXPECT_EQ(StringReplace("說", "\xD5", "x", {rfReplaceAll}), "說");
    EXPECT_EQ(StringReplace("a\\乗\\", "\\", "/", {rfReplaceAll}), "a/乗/");
}

TEST(SysUtils, Quoting)
{
    EXPECT_EQ(QuotedStr("it's"), "'it''s'");
    EXPECT_EQ(QuotedStr(""), "''");
    // 這 (DF 40) has '@' as its trail byte, 乗 (81 5C) has '\'.
    EXPECT_EQ(AnsiQuotedStr("a@這b", '@'), "@a@@這b@");
    EXPECT_EQ(AnsiQuotedStr("乗\\", '\\'), "\\乗\\\\\\");

    std::string_view src = "'a''b' rest";
    EXPECT_EQ(AnsiExtractQuotedStr(src, '\''), "a'b");
    EXPECT_EQ(src, " rest");
    src = "@這@@@tail";
    EXPECT_EQ(AnsiExtractQuotedStr(src, '@'), "這@");
    EXPECT_EQ(src, "tail");
    src = "x'a'";
    EXPECT_EQ(AnsiExtractQuotedStr(src, '\''), "");
    EXPECT_EQ(src, "x'a'");
    src = "'open";
    EXPECT_EQ(AnsiExtractQuotedStr(src, '\''), "open");
    EXPECT_EQ(src, "");

    EXPECT_EQ(AnsiDequotedStr("\"a\"\"b\"", '"'), "a\"b");
    EXPECT_EQ(AnsiDequotedStr("''", '\''), "");
    EXPECT_EQ(AnsiDequotedStr("'open", '\''), "'open");
    EXPECT_EQ(AnsiDequotedStr("plain", '\''), "plain");
    EXPECT_EQ(AnsiDequotedStr("\\乗", '\\'), "\\乗");  // the trail byte is no closing quote
}

TEST(SysUtils, MulDivAndIdentifiers)
{
    EXPECT_EQ(MulDiv(10, 3, 4), 8);   // 7.5 -> 8
    EXPECT_EQ(MulDiv(-10, 3, 4), -8);
    EXPECT_EQ(MulDiv(10, -3, -4), 8);
    EXPECT_EQ(MulDiv(10, 1, 3), 3);
    EXPECT_EQ(MulDiv(-7, 1, -2), 4);  // 3.5
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
    EXPECT_EQ(MulDiv(2000000000, 2000000000, 2000000000), 2000000000);  // 64-bit product
    EXPECT_EQ(MulDiv(2000000000, 2, 1), -1);  // does not fit
    EXPECT_EQ(MulDiv(32767 + 100, 500, 32767), 502);

    EXPECT_TRUE(IsValidIdent("_a1") && IsValidIdent("Foo_Bar"));
    EXPECT_FALSE(IsValidIdent("") || IsValidIdent("1a") || IsValidIdent("a b") || IsValidIdent("a.b"));
    EXPECT_FALSE(IsValidIdent("\xD6\xD0") || IsValidIdent("a-"));
}
