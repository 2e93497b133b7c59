#include "platform/base/format.h"

#include <bit>
#include <charconv>
#include <climits>
#include <cmath>

#include "platform/base/code_page.h"
#include "platform/base/exceptions.h"
#include "platform/base/format_settings.h"

namespace {

const char* const HexDigits = "0123456789ABCDEF";

// Whether a finite, non-negative value lies exactly halfway between two
// multiples of 10^-decimals. Such ties round away from zero here, as people
// round by hand ("%.1f" of 2.25 is "2.3"); the conversions of the standard
// library would round them to even.
bool IsTie(double value, int decimals)
{
    if (value == 0)
        return false;
    if (decimals >= 0) {
        // value = odd * 2^k is a tie exactly when k = -(decimals + 1).
        int exponent;
        double fraction = std::frexp(value, &exponent);
        auto mantissa = static_cast<uint64_t>(std::ldexp(fraction, 53));
        return exponent - 53 + std::countr_zero(mantissa) == -(decimals + 1);
    }
    // Rounding to a multiple of 10^n: a tie leaves 5 * 10^(n-1). Beyond
    // 10^22 powers of ten are inexact and no double is such a tie anyway.
    int n = -decimals;
    if (n > 22)
        return false;
    double unit = 1;
    for (int i = 0; i < n; ++i)
        unit *= 10;
    return std::fmod(value, unit) == unit / 2;
}

// A finite double rounded to a number of significant digits:
// value = Digits[0].Digits[1..] * 10^Exponent.
struct TDecimal {
    std::string Digits;
    int Exponent = 0;
    bool Negative = false;  // only when some digit is not zero
};

void ScientificDigits(double magnitude, int precision, TDecimal& decimal)
{
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific,
                                precision - 1);
    std::string_view text(buffer, static_cast<size_t>(result.ptr - buffer));
    size_t e = text.find('e');
    decimal.Digits.clear();
    for (char c : text.substr(0, e))
        if (c != '.')
            decimal.Digits += c;
    size_t expStart = e + 1;
    if (text[expStart] == '+')
        ++expStart;
    std::from_chars(text.data() + expStart, text.data() + text.size(), decimal.Exponent);
}

TDecimal ToDecimal(double value, int precision)
{
    TDecimal decimal;
    double magnitude = std::fabs(value);
    ScientificDigits(magnitude, precision, decimal);
    if (IsTie(magnitude, precision - 1 - decimal.Exponent))
        ScientificDigits(std::nextafter(magnitude, INFINITY), precision, decimal);
    decimal.Negative = std::signbit(value) && decimal.Digits.find_first_not_of('0') != std::string::npos;
    return decimal;
}

AnsiString ExponentDigits(int exponent, size_t minDigits)
{
    AnsiString digits = std::to_string(exponent < 0 ? -exponent : exponent);
    if (digits.size() < minDigits)
        digits.insert(0, minDigits - digits.size(), '0');
    return digits;
}

// Fixed notation while the exponent is in -4 .. precision-1, otherwise
// scientific with an exponent as short as possible ("1E20", "1.5E-5").
AnsiString GeneralText(double value, int precision, char separator)
{
    TDecimal d = ToDecimal(value, precision);
    size_t last = d.Digits.find_last_not_of('0');
    if (last == std::string::npos)
        return "0";
    d.Digits.resize(last + 1);
    AnsiString out = d.Negative ? "-" : "";
    int x = d.Exponent;
    if (x < -4 || x >= precision) {
        out += d.Digits[0];
        if (d.Digits.size() > 1) {
            out += separator;
            out.append(d.Digits, 1);
        }
        out += 'E';
        if (x < 0)
            out += '-';
        out += ExponentDigits(x, 0);
    } else if (x >= 0) {
        size_t intLength = static_cast<size_t>(x) + 1;
        if (d.Digits.size() <= intLength) {
            out += d.Digits;
            out.append(intLength - d.Digits.size(), '0');
        } else {
            out.append(d.Digits, 0, intLength);
            out += separator;
            out.append(d.Digits, intLength);
        }
    } else {
        out += '0';
        out += separator;
        out.append(static_cast<size_t>(-x - 1), '0');
        out += d.Digits;
    }
    return out;
}

// "d.ddd" with precision significant digits, then "E", the exponent's sign
// and at least three exponent digits.
AnsiString ExponentText(double value, int precision, char separator)
{
    TDecimal d = ToDecimal(value, precision);
    AnsiString out = d.Negative ? "-" : "";
    out += d.Digits[0];
    if (d.Digits.size() > 1) {
        out += separator;
        out.append(d.Digits, 1);
    }
    out += 'E';
    out += d.Exponent < 0 ? '-' : '+';
    out += ExponentDigits(d.Exponent, 3);
    return out;
}

AnsiString FixedText(double value, int decimals, const TFormatSettings& settings, bool thousands)
{
    // Room for the 309 integer digits of the largest double and 18 decimals.
    char buffer[400];
    double magnitude = std::fabs(value);
    if (IsTie(magnitude, decimals))
        magnitude = std::nextafter(magnitude, INFINITY);
    auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed, decimals);
    std::string_view text(buffer, static_cast<size_t>(result.ptr - buffer));
    size_t point = text.find('.');
    std::string_view intPart = text.substr(0, point);
    bool negative = std::signbit(value) && text.find_first_of("123456789") != std::string_view::npos;

    AnsiString out = negative ? "-" : "";
    for (size_t i = 0; i < intPart.size(); ++i) {
        if (thousands && i > 0 && (intPart.size() - i) % 3 == 0)
            out += settings.ThousandSeparator;
        out += intPart[i];
    }
    if (point != std::string_view::npos) {
        out += settings.DecimalSeparator;
        out += text.substr(point + 1);
    }
    return out;
}

AnsiString PadDigits(AnsiString digits, int precision, bool negative)
{
    if (precision > 0 && digits.size() < static_cast<size_t>(precision))
        digits.insert(0, static_cast<size_t>(precision) - digits.size(), '0');
    if (negative)
        digits.insert(0, 1, '-');
    return digits;
}

AnsiString DecimalDigits(uint64_t magnitude)
{
    char buffer[24];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude);
    return AnsiString(buffer, result.ptr);
}

AnsiString HexText(uint64_t bits, size_t minDigits)
{
    AnsiString digits;
    do {
        digits.insert(digits.begin(), HexDigits[bits & 0xF]);
        bits >>= 4;
    } while (bits != 0);
    if (digits.size() < minDigits)
        digits.insert(0, minDigits - digits.size(), '0');
    return digits;
}

class TFormatter {
public:
    TFormatter(std::string_view fmt, std::initializer_list<TFormatArg> args) : fmt_(fmt), args_(args) {}

    AnsiString Run()
    {
        AnsiString out;
        out.reserve(fmt_.size() + 8 * args_.size());
        while (pos_ < fmt_.size()) {
            size_t percent = fmt_.find('%', pos_);
            if (percent == std::string_view::npos) {
                out += fmt_.substr(pos_);
                break;
            }
            out += fmt_.substr(pos_, percent - pos_);
            pos_ = percent + 1;
            if (pos_ < fmt_.size() && fmt_[pos_] == '%') {
                out += '%';
                ++pos_;
            } else {
                out += Directive();
            }
        }
        return out;
    }

private:
    [[noreturn]] void Invalid() const
    {
        throw EConvertError(Format(SInvalidFormat, {fmt_}));
    }

    const TFormatArg& Take()
    {
        if (next_ >= args_.size())
            throw EConvertError(Format(SArgumentMissing, {fmt_}));
        return args_.begin()[next_++];
    }

    // A count written as digits, or "*" for the next argument, which must be
    // an integer that fits an int.
    bool ReadCount(int& value)
    {
        if (pos_ < fmt_.size() && fmt_[pos_] == '*') {
            ++pos_;
            const TFormatArg& arg = Take();
            if (arg.Kind != TFormatArg::Integer)
                Invalid();
            int64_t v = static_cast<int64_t>(arg.Int);
            if ((arg.Unsigned && arg.Int > INT_MAX) || v < INT_MIN || v > INT_MAX)
                Invalid();
            value = static_cast<int>(v);
            return true;
        }
        if (pos_ >= fmt_.size() || fmt_[pos_] < '0' || fmt_[pos_] > '9')
            return false;
        int64_t v = 0;
        while (pos_ < fmt_.size() && fmt_[pos_] >= '0' && fmt_[pos_] <= '9') {
            v = v * 10 + (fmt_[pos_++] - '0');
            if (v > INT_MAX)
                Invalid();
        }
        value = static_cast<int>(v);
        return true;
    }

    AnsiString Directive()
    {
        int count = 0;
        bool hasCount = ReadCount(count);
        if (pos_ < fmt_.size() && fmt_[pos_] == ':') {
            if (!hasCount || count < 0)
                Invalid();
            next_ = static_cast<size_t>(count);
            ++pos_;
            hasCount = false;
        }
        bool left = false;
        if (!hasCount) {
            if (pos_ < fmt_.size() && fmt_[pos_] == '-') {
                left = true;
                ++pos_;
            }
            hasCount = ReadCount(count);
        }
        int width = hasCount ? count : -1;
        int precision = -1;
        if (pos_ < fmt_.size() && fmt_[pos_] == '.') {
            ++pos_;
            if (!ReadCount(precision))
                Invalid();
        }
        if (pos_ >= fmt_.size())
            Invalid();
        char type = UpCase(fmt_[pos_++]);

        AnsiString text = Convert(type, precision, Take());
        if (width > 0 && text.size() < static_cast<size_t>(width)) {
            size_t fill = static_cast<size_t>(width) - text.size();
            if (left)
                text.append(fill, ' ');
            else
                text.insert(0, fill, ' ');
        }
        return text;
    }

    AnsiString Convert(char type, int precision, const TFormatArg& arg) const
    {
        switch (type) {
        case 'D':
        case 'U':
        case 'X':
            if (arg.Kind != TFormatArg::Integer)
                Invalid();
            return IntegerText(type, precision, arg);
        case 'E':
        case 'F':
        case 'G':
        case 'N':
        case 'M':
            if (arg.Kind != TFormatArg::Float)
                Invalid();
            return FloatText(type, precision, arg.Real);
        case 'P':
            if (arg.Kind != TFormatArg::Pointer)
                Invalid();
            return HexText(reinterpret_cast<uintptr_t>(arg.Address), 2 * sizeof(void*));
        case 'S':
            if (arg.Kind == TFormatArg::Char)
                return precision == 0 ? AnsiString() : AnsiString(1, arg.Character);
            if (arg.Kind != TFormatArg::String)
                Invalid();
            return StringText(arg.Text, precision);
        default:
            Invalid();
        }
    }

    static AnsiString IntegerText(char type, int precision, const TFormatArg& arg)
    {
        if (type == 'D') {
            if (arg.Unsigned)
                return PadDigits(DecimalDigits(arg.Int), precision, false);
            int64_t v = static_cast<int64_t>(arg.Int);
            uint64_t magnitude = v < 0 ? 0 - arg.Int : arg.Int;
            return PadDigits(DecimalDigits(magnitude), precision, v < 0);
        }
        // As unsigned, a negative integer shows the bits of its own width.
        uint64_t bits = arg.Wide ? arg.Int : (arg.Int & 0xFFFFFFFFu);
        if (type == 'U')
            return PadDigits(DecimalDigits(bits), precision, false);
        return HexText(bits, precision > 0 ? static_cast<size_t>(precision) : 0);
    }

    static AnsiString FloatText(char type, int precision, double value)
    {
        if (std::isnan(value))
            return "NAN";
        if (std::isinf(value))
            return value < 0 ? "-INF" : "INF";
        const TFormatSettings& settings = FormatSettings;
        switch (type) {
        case 'E':
        case 'G':
            if (precision < 0 || precision > 18)
                precision = 15;
            if (precision == 0)
                precision = 1;
            return type == 'E' ? ExponentText(value, precision, settings.DecimalSeparator)
                               : GeneralText(value, precision, settings.DecimalSeparator);
        default:
            if (precision < 0)
                precision = 2;
            if (precision > 18)
                precision = 18;
            return FixedText(value, precision, settings, type == 'N');
        }
    }

    // Cut to at most precision bytes without splitting a double-byte
    // character.
    static AnsiString StringText(std::string_view text, int precision)
    {
        if (precision < 0 || text.size() <= static_cast<size_t>(precision))
            return AnsiString(text);
        size_t end = 0;
        while (end < text.size()) {
            size_t length = CharLengthAt(text, end);
            if (end + length > static_cast<size_t>(precision))
                break;
            end += length;
        }
        return AnsiString(text.substr(0, end));
    }

    std::string_view fmt_;
    std::initializer_list<TFormatArg> args_;
    size_t pos_ = 0;
    size_t next_ = 0;  // the argument the next directive takes
};

}  // namespace

AnsiString Format(std::string_view Fmt, std::initializer_list<TFormatArg> Args)
{
    return TFormatter(Fmt, Args).Run();
}
