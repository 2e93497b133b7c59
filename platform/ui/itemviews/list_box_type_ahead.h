// TTypeAhead: the prefix a user types to find a row of a list. Characters
// typed within Delay milliseconds of each other add to one prefix; a
// double-byte character counts once both of its bytes have come, so that
// its trail byte is never taken for a letter of its own.
#pragma once

#include <cstdint>
#include <string>

#include "platform/base/ansi_string.h"

class TTypeAhead {
public:
    static constexpr uint32_t Delay = 1000;

    // Adds a typed byte at tick Now; false while it is a lead byte waiting
    // for its trail byte, or a control character (which adds nothing).
    bool Type(char Key, uint32_t Now);
    const AnsiString& Prefix() const { return prefix_; }
    // The prefix is one character: the search starts after the current
    // row, so that typing the same letter again goes on to the next row.
    bool FirstCharacter() const;

private:
    AnsiString prefix_;  // may end in a lone lead byte
    uint32_t last_ = 0;  // the tick of the last typed byte
};
