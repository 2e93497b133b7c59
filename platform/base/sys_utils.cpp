#include "platform/base/sys_utils.h"

#include <locale.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "platform/base/code_page.h"
#include "platform/base/exceptions.h"

namespace {

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Parses integer text into a value of `bits` bits (32 or 64), sign-extended.
bool ParseInteger(std::string_view s, int bits, int64_t& value)
{
    size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+'))
        negative = s[i++] == '-';
    bool hex = false;
    if (i < s.size() && s[i] == '$') {
        hex = true;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i == s.size())
        return false;

    uint64_t signedMax = bits == 64 ? INT64_MAX : INT32_MAX;
    uint64_t limit = hex ? (bits == 64 ? UINT64_MAX : UINT32_MAX) : signedMax + (negative ? 1 : 0);
    unsigned base = hex ? 16 : 10;
    uint64_t magnitude = 0;
    for (; i < s.size(); ++i) {
        int digit = HexValue(s[i]);
        if (digit < 0 || static_cast<unsigned>(digit) >= base)
            return false;
        if (magnitude > (limit - static_cast<unsigned>(digit)) / base)
            return false;
        magnitude = magnitude * base + static_cast<unsigned>(digit);
    }
    uint64_t result = negative ? 0 - magnitude : magnitude;
    value = bits == 64 ? static_cast<int64_t>(result) : static_cast<int32_t>(static_cast<uint32_t>(result));
    return true;
}

// Float text is read in the C locale whatever the process locale says.
locale_t CLocale()
{
    static locale_t locale = newlocale(LC_ALL_MASK, "C", nullptr);
    return locale;
}

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Reads the quoted text at the start of src; closed tells whether the
// closing quote was found.
AnsiString ExtractQuoted(std::string_view& src, char quote, bool& closed)
{
    closed = false;
    if (src.empty() || src[0] != quote)
        return {};
    AnsiString text;
    size_t i = 1;
    while (i < src.size()) {
        if (src[i] == quote) {
            ++i;
            if (i == src.size() || src[i] != quote) {
                closed = true;
                break;
            }
        }
        size_t length = CharLengthAt(src, i);
        text.append(src, i, length);
        i += length;
    }
    src.remove_prefix(i);
    return text;
}

}  // namespace

// ---- Numbers and Booleans ------------------------------------------------

bool TryStrToInt(std::string_view S, int& Value)
{
    int64_t v;
    if (!ParseInteger(S, 32, v))
        return false;
    Value = static_cast<int>(v);
    return true;
}

bool TryStrToInt64(std::string_view S, int64_t& Value) { return ParseInteger(S, 64, Value); }

int StrToInt(std::string_view S)
{
    int value;
    if (!TryStrToInt(S, value))
        throw EConvertError(Format(SInvalidInteger, {S}));
    return value;
}

int64_t StrToInt64(std::string_view S)
{
    int64_t value;
    if (!TryStrToInt64(S, value))
        throw EConvertError(Format(SInvalidInteger, {S}));
    return value;
}

int StrToIntDef(std::string_view S, int Default)
{
    int value;
    return TryStrToInt(S, value) ? value : Default;
}

bool TryStrToBool(std::string_view S, bool& Value)
{
    double number;
    if (TryStrToFloat(S, number)) {
        Value = number != 0;
        return true;
    }
    if (SameText(S, "True") || SameText(S, "False")) {
        Value = SameText(S, "True");
        return true;
    }
    return false;
}

bool StrToBool(std::string_view S)
{
    bool value;
    if (!TryStrToBool(S, value))
        throw EConvertError(Format(SInvalidBoolean, {S}));
    return value;
}

bool StrToBoolDef(std::string_view S, bool Default)
{
    bool value;
    return TryStrToBool(S, value) ? value : Default;
}

AnsiString BoolToStr(bool B, bool UseBoolStrs)
{
    if (UseBoolStrs)
        return B ? "True" : "False";
    return B ? "-1" : "0";
}

AnsiString FloatToStr(double Value) { return Format("%g", {Value}); }

bool TryStrToFloat(std::string_view S, double& Value)
{
    // Checked here against the separator in use, then handed to strtod in
    // its C form.
    std::string text;
    size_t i = 0;
    while (i < S.size() && S[i] == ' ')
        ++i;
    if (i < S.size() && (S[i] == '-' || S[i] == '+'))
        text += S[i++];
    size_t digits = 0;
    for (; i < S.size() && S[i] >= '0' && S[i] <= '9'; ++i, ++digits)
        text += S[i];
    if (i < S.size() && S[i] == FormatSettings.DecimalSeparator) {
        text += '.';
        for (++i; i < S.size() && S[i] >= '0' && S[i] <= '9'; ++i, ++digits)
            text += S[i];
    }
    if (digits == 0)
        return false;
    if (i < S.size() && (S[i] == 'E' || S[i] == 'e')) {
        text += 'e';
        ++i;
        if (i < S.size() && (S[i] == '-' || S[i] == '+'))
            text += S[i++];
        size_t expDigits = 0;
        for (; i < S.size() && S[i] >= '0' && S[i] <= '9'; ++i, ++expDigits)
            text += S[i];
        if (expDigits == 0)
            return false;
    }
    while (i < S.size() && S[i] == ' ')
        ++i;
    if (i != S.size())
        return false;

    errno = 0;
    double value = strtod_l(text.c_str(), nullptr, CLocale());
    if (errno == ERANGE && std::isinf(value))
        return false;
    Value = value;
    return true;
}

double StrToFloat(std::string_view S)
{
    double value;
    if (!TryStrToFloat(S, value))
        throw EConvertError(Format(SInvalidFloat, {S}));
    return value;
}

double StrToFloatDef(std::string_view S, double Default)
{
    double value;
    return TryStrToFloat(S, value) ? value : Default;
}

// ---- Substrings ------------------------------------------------------------

AnsiString Trim(std::string_view S) { return TrimRight(TrimLeft(S)); }

AnsiString TrimLeft(std::string_view S)
{
    size_t start = 0;
    while (start < S.size() && IsBlank(S[start]))
        ++start;
    return AnsiString(S.substr(start));
}

AnsiString TrimRight(std::string_view S)
{
    size_t end = S.size();
    while (end > 0 && IsBlank(S[end - 1]))
        --end;
    return AnsiString(S.substr(0, end));
}

int Pos(std::string_view Sub, std::string_view S) { return PosEx(Sub, S, 1); }

int PosEx(std::string_view Sub, std::string_view S, int Offset)
{
    if (Sub.empty() || Offset < 1 || static_cast<size_t>(Offset) > S.size())
        return 0;
    size_t found = S.find(Sub, static_cast<size_t>(Offset) - 1);
    return found == std::string_view::npos ? 0 : static_cast<int>(found) + 1;
}

AnsiString Copy(std::string_view S, int Index, int Count)
{
    if (Index < 1)
        Index = 1;
    if (Count <= 0 || static_cast<size_t>(Index) > S.size())
        return {};
    return AnsiString(S.substr(static_cast<size_t>(Index) - 1, static_cast<size_t>(Count)));
}

void Delete(AnsiString& S, int Index, int Count)
{
    if (Index < 1 || Count <= 0 || static_cast<size_t>(Index) > S.size())
        return;
    S.erase(static_cast<size_t>(Index) - 1, static_cast<size_t>(Count));
}

void Insert(std::string_view Sub, AnsiString& S, int Index)
{
    size_t at = Index < 1 ? 0 : std::min(static_cast<size_t>(Index) - 1, S.size());
    S.insert(at, Sub);
}

AnsiString StringReplace(std::string_view S, std::string_view OldPattern, std::string_view NewPattern,
                         TReplaceFlags Flags)
{
    if (OldPattern.empty())
        return AnsiString(S);
    bool ignoreCase = Flags.Contains(rfIgnoreCase);
    // Case folding keeps every byte's place and lead bytes as they are, so
    // the folded texts share the character boundaries of the originals.
    AnsiString foldedText = ignoreCase ? UpperCase(S) : AnsiString();
    AnsiString foldedPattern = ignoreCase ? UpperCase(OldPattern) : AnsiString();
    std::string_view text = ignoreCase ? std::string_view(foldedText) : S;
    std::string_view pattern = ignoreCase ? std::string_view(foldedPattern) : OldPattern;

    AnsiString result;
    size_t copied = 0;  // S up to here is already in result
    size_t i = 0;
    while (i < S.size()) {
        if (text.compare(i, pattern.size(), pattern) == 0) {
            size_t end = i;
            while (end < i + pattern.size())
                end += CharLengthAt(S, end);
            if (end == i + pattern.size()) {
                result.append(S, copied, i - copied);
                result += NewPattern;
                copied = i = end;
                if (!Flags.Contains(rfReplaceAll))
                    break;
                continue;
            }
        }
        i += CharLengthAt(S, i);
    }
    result.append(S, copied);
    return result;
}

AnsiString StringOfChar(char Ch, int Count) { return Count > 0 ? AnsiString(static_cast<size_t>(Count), Ch) : ""; }

// ---- Quoting ---------------------------------------------------------------

AnsiString QuotedStr(std::string_view S)
{
    // A single quote (0x27) is never a trail byte, so bytes can be doubled
    // as they come.
    AnsiString result = "'";
    for (char c : S) {
        result += c;
        if (c == '\'')
            result += c;
    }
    result += '\'';
    return result;
}

AnsiString AnsiQuotedStr(std::string_view S, char Quote)
{
    AnsiString result(1, Quote);
    for (size_t i = 0; i < S.size();) {
        size_t length = CharLengthAt(S, i);
        result.append(S, i, length);
        if (length == 1 && S[i] == Quote)
            result += Quote;
        i += length;
    }
    result += Quote;
    return result;
}

AnsiString AnsiExtractQuotedStr(std::string_view& Src, char Quote)
{
    bool closed;
    return ExtractQuoted(Src, Quote, closed);
}

AnsiString AnsiDequotedStr(std::string_view S, char Quote)
{
    std::string_view rest = S;
    bool closed;
    AnsiString text = ExtractQuoted(rest, Quote, closed);
    return closed ? text : AnsiString(S);
}

// ---- Other -----------------------------------------------------------------

int MulDiv(int Number, int Numerator, int Denominator)
{
    if (Denominator == 0)
        return -1;
    int64_t product = static_cast<int64_t>(Number) * Numerator;
    int64_t quotient = product / Denominator;
    int64_t remainder = product % Denominator;
    // |remainder| >= |Denominator| / 2 rounds away from zero.
    if (2 * std::llabs(remainder) >= std::llabs(static_cast<int64_t>(Denominator)))
        quotient += ((product < 0) != (Denominator < 0)) ? -1 : 1;
    if (quotient < INT_MIN || quotient > INT_MAX)
        return -1;
    return static_cast<int>(quotient);
}

bool IsValidIdent(std::string_view Ident)
{
    if (Ident.empty() || !(IsLetter(Ident[0]) || Ident[0] == '_'))
        return false;
    for (char c : Ident)
        if (!(IsLetter(c) || (c >= '0' && c <= '9') || c == '_'))
            return false;
    return true;
}

AnsiString SysErrorMessage(int ErrorCode)
{
    switch (ErrorCode) {
    case ENOSPC:
        return "磁盘已满";
    case EDQUOT:
        return "超出了磁盘配额";
    case EFBIG:
        return "文件超过了允许的大小";
    case EACCES:
    case EPERM:
        return "没有权限";
    case EROFS:
        return "文件系统是只读的";
    case ENOENT:
        return "文件或文件夹不存在";
    case ENOTDIR:
        return "路径中的一项不是文件夹";
    case EISDIR:
        return "这是一个文件夹";
    case ENAMETOOLONG:
        return "文件名太长";
    case ELOOP:
        return "符号链接太多，可能形成了循环";
    case EIO:
        return "读写设备时出错";
    case EBUSY:
    case ETXTBSY:
        return "文件正在使用中";
    default:
        return std::strerror(ErrorCode);
    }
}

double MonotonicSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}
