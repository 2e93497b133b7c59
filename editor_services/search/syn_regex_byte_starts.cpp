#include "editor_services/search/syn_regex_byte_starts.h"

#include <cctype>

#include "platform/base/code_page.h"

TSynRequiredByte::TSynRequiredByte(int Byte, int OnCharacters, std::string_view Pattern)
    : byte_(Byte), alone_(Byte < 0x80 && OnCharacters < 0x80)
{
    if (Byte < 0)
        return;
    if (Byte < 0x80 && std::isalpha(Byte))
        otherCase_ = std::islower(Byte) ? std::toupper(Byte) : std::tolower(Byte);
    // The same ASCII character on both: no double-byte one is meant.
    if (OnCharacters >= 0 && OnCharacters < 0x80 && (OnCharacters == byte_ || OnCharacters == otherCase_))
        return;
    for (size_t at = 0; at < Pattern.size(); at += CharLengthAt(Pattern, at)) {
        const std::string_view pair = Pattern.substr(at, CharLengthAt(Pattern, at));
        const int trail = static_cast<unsigned char>(pair.back());
        if (pair.size() == 2 && (trail == byte_ || trail == otherCase_))
            pairs_.push_back(pair);
    }
}

bool TSynRequiredByte::HoldsAt(std::string_view Line, TSynCharStarts& Starts, size_t At, size_t From,
                               size_t& Start) const
{
    if (alone_ && Starts.IsCharStart(At)) {
        Start = At;
        return true;
    }
    if (At == From || !Starts.IsCharStart(At - 1))
        return false;
    for (const std::string_view pair : pairs_)
        if (Line.substr(At - 1, 2) == pair) {
            Start = At - 1;
            return true;
        }
    return false;
}

size_t TSynRequiredByte::Find(std::string_view Line, TSynCharStarts& Starts, size_t From) const
{
    size_t first = std::string_view::npos;
    for (const int byte : {byte_, otherCase_}) {
        if (byte < 0)
            continue;
        const char c = static_cast<char>(byte);
        for (size_t at = Line.find(c, From); at != std::string_view::npos && at < first; at = Line.find(c, at + 1)) {
            size_t start = 0;
            if (HoldsAt(Line, Starts, at, From, start)) {
                first = start;
                break;
            }
        }
    }
    return first;
}

TSynByteStarts::TAnswer TSynByteStarts::At(size_t Offset)
{
    if (!starts_.IsCharStart(Offset))
        return Skip;
    if (!required_.Known())
        return Try;
    if (searchedFrom_ == std::string_view::npos || Offset < searchedFrom_ ||
        (found_ != std::string_view::npos && Offset > found_)) {
        searchedFrom_ = Offset;
        found_ = required_.Find(line_, starts_, Offset);
    }
    return found_ == std::string_view::npos ? NoMore : Try;
}
