// The class library's everyday string routines: number and Boolean
// conversions, 1-based substring helpers, quoting, and a little arithmetic.
// Strings are GBK; routines that look for characters never take part of a
// double-byte character for a character of its own.
#pragma once

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/base/format.h"
#include "platform/base/format_settings.h"
#include "platform/base/set.h"
#include "platform/base/ansi_string.h"

inline constexpr const char* SInvalidInteger = "'%s' is not a valid integer value";
inline constexpr const char* SInvalidBoolean = "'%s' is not a valid boolean value";
inline constexpr const char* SInvalidFloat = "'%s' is not a valid floating point value";

// ---- Numbers and Booleans ------------------------------------------------

template <std::integral T>
    requires(!std::same_as<T, bool> && !std::same_as<T, char>)
AnsiString IntToStr(T Value)
{
    return Format("%d", {Value});
}

// Upper-case hexadecimal with at least Digits digits. Integers of up to 32
// bits show 32-bit patterns (IntToHex(-1, 2) is "FFFFFFFF"), 64-bit ones
// 64-bit patterns.
template <std::integral T>
    requires(!std::same_as<T, bool> && !std::same_as<T, char>)
AnsiString IntToHex(T Value, int Digits)
{
    return Format("%.*x", {Digits, Value});
}

// Integer text: optional leading spaces, an optional sign, then decimal
// digits, or hexadecimal digits after "$" or "0x". Nothing may follow.
// Decimal values must fit the result type; hexadecimal ones may use all of
// its bits, so "$FFFFFFFF" is -1 as an int (colour values are written so).
bool TryStrToInt(std::string_view S, int& Value);
bool TryStrToInt64(std::string_view S, int64_t& Value);
// Raise EConvertError "'S' is not a valid integer value".
int StrToInt(std::string_view S);
int64_t StrToInt64(std::string_view S);
int StrToIntDef(std::string_view S, int Default);

// "True" or "False" in any case, or a number: zero is false, any other
// number true.
bool TryStrToBool(std::string_view S, bool& Value);
bool StrToBool(std::string_view S);  // EConvertError "'S' is not a valid boolean value"
bool StrToBoolDef(std::string_view S, bool Default);
// "True"/"False" with UseBoolStrs, else "-1"/"0".
AnsiString BoolToStr(bool B, bool UseBoolStrs = false);

// The shortest text of up to 15 significant digits ("0.1", "1E20", "1.5E-5"),
// with FormatSettings.DecimalSeparator.
AnsiString FloatToStr(double Value);
// Float text: optional spaces, a sign, digits with FormatSettings'
// DecimalSeparator, an optional exponent ("E", a sign, digits) and optional
// trailing spaces. A value too large for a double is rejected; one too small
// becomes 0.
bool TryStrToFloat(std::string_view S, double& Value);
double StrToFloat(std::string_view S);  // EConvertError "'S' is not a valid floating point value"
double StrToFloatDef(std::string_view S, double Default);

// ---- Substrings ------------------------------------------------------------
// Positions count bytes from 1.

// Remove the bytes up to ' ' (control characters and blanks) at the ends.
AnsiString Trim(std::string_view S);
AnsiString TrimLeft(std::string_view S);
AnsiString TrimRight(std::string_view S);

// The position of the first Sub in S, or 0 (also for an empty Sub).
int Pos(std::string_view Sub, std::string_view S);
// The same, searching from Offset; 0 when Offset is outside 1..length.
int PosEx(std::string_view Sub, std::string_view S, int Offset = 1);
// Count bytes from Index, clamped to S: an Index below 1 counts as 1, and a
// range past the end gives what there is.
AnsiString Copy(std::string_view S, int Index, int Count);
// Removes Count bytes from Index; nothing when Index is outside S.
void Delete(AnsiString& S, int Index, int Count);
// Inserts Sub before Index, clamped to 1..length+1.
void Insert(std::string_view Sub, AnsiString& S, int Index);

enum TReplaceFlag { rfReplaceAll, rfIgnoreCase };
using TReplaceFlags = TSet<TReplaceFlag>;

// Replaces the first OldPattern (every one with rfReplaceAll). Matches start
// and end at character boundaries, so a trail byte never starts one; with
// rfIgnoreCase only single-byte ASCII letters match either case.
AnsiString StringReplace(std::string_view S, std::string_view OldPattern, std::string_view NewPattern,
                         TReplaceFlags Flags);

AnsiString StringOfChar(char Ch, int Count);
inline bool SameStr(std::string_view S1, std::string_view S2) { return S1 == S2; }

// ---- Quoting ---------------------------------------------------------------

// S in single quotes, inner single quotes doubled.
AnsiString QuotedStr(std::string_view S);
// S in Quote characters, inner ones doubled; a trail byte equal to Quote is
// left alone.
AnsiString AnsiQuotedStr(std::string_view S, char Quote);
// Reads a quoted text at the start of Src: returns it with doubled quotes
// made single and moves Src past the closing quote (to the end when there
// is none). Returns "" and leaves Src alone when Src does not start with
// Quote.
AnsiString AnsiExtractQuotedStr(std::string_view& Src, char Quote);
// The text inside the quotes when S starts with a quoted text; S itself
// when it does not start with Quote or the quote is never closed.
AnsiString AnsiDequotedStr(std::string_view S, char Quote);

// ---- Other -----------------------------------------------------------------

// Number * Numerator / Denominator through 64 bits, rounded half away from
// zero; -1 when Denominator is 0 or the result does not fit an int.
int MulDiv(int Number, int Numerator, int Denominator);

// A letter or '_', then letters, digits and '_'.
bool IsValidIdent(std::string_view Ident);

// What the system error number ErrorCode means, in the words of the
// program's users: the usual failures of reading and writing files in
// Chinese, any other in the system's own words.
AnsiString SysErrorMessage(int ErrorCode);

// Seconds on a clock that never goes back, for waits and deadlines.
double MonotonicSeconds();
