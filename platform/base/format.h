// Format: fills a format string from a list of arguments, in the class
// library's format language:
//
//   "%" [index ":"] ["-"] [width] ["." precision] type
//
// index picks the argument (from 0; later directives go on from there), "-"
// justifies left within width, and index, width and precision may each be
// "*" to take the value from the next argument. Types:
//   d, u    integer, signed or unsigned; precision pads the digits with zeros
//   x       integer in upper-case hexadecimal; precision pads with zeros
//   e       float, "d.dddE+ddd" with precision significant digits (15)
//   f, m    float with precision decimals (2)
//   g       float in its shortest form of precision significant digits (15)
//   n       as f, with thousands separators
//   p       pointer, as hexadecimal digits
//   s       string or character; precision cuts it to at most that many
//           bytes, never inside a double-byte character
//   %%      a percent sign
// Floats use the decimal and thousands separators of FormatSettings.
// A malformed directive or an argument of the wrong kind (an integer for
// "%s", a float for "%d") raises EConvertError.
#pragma once

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>

#include "platform/base/ansi_string.h"

inline constexpr const char* SInvalidFormat = "Format '%s' invalid or incompatible with argument";
inline constexpr const char* SArgumentMissing = "No argument for format '%s'";

// One argument of Format. It refers to the text it was made from, so it
// must not outlive that text; as a braced argument list it lives exactly as
// long as the call.
struct TFormatArg {
    enum TKind : uint8_t { Integer, Char, Float, String, Pointer };

    // Every integer type except bool and char (which is a character).
    template <std::integral T>
        requires(!std::same_as<T, bool> && !std::same_as<T, char>)
    TFormatArg(T value)
        : Kind(Integer), Int(static_cast<uint64_t>(value)), Wide(sizeof(T) > 4), Unsigned(std::is_unsigned_v<T>)
    {
    }
    template <std::floating_point T>
    TFormatArg(T value) : Kind(Float), Real(static_cast<double>(value))
    {
    }
    TFormatArg(char value) : Kind(Char), Character(value) {}
    TFormatArg(const char* value) : Kind(String), Text(value ? std::string_view(value) : std::string_view()) {}
    TFormatArg(std::string_view value) : Kind(String), Text(value) {}
    TFormatArg(const AnsiString& value) : Kind(String), Text(value) {}
    TFormatArg(const void* value) : Kind(Pointer), Address(value) {}

    TKind Kind;
    uint64_t Int = 0;       // the integer's bits, sign-extended from its own width
    bool Wide = false;      // a 64-bit integer type
    bool Unsigned = false;  // an unsigned integer type
    double Real = 0;
    std::string_view Text;
    char Character = 0;
    const void* Address = nullptr;
};

AnsiString Format(std::string_view Fmt, std::initializer_list<TFormatArg> Args = {});
