// TSynCharStarts: whether a byte offset of one line of GBK text starts a
// character, asked in any order. The search engines reject every match
// that starts or ends inside a double-byte character through it.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

class TSynCharStarts {
public:
    explicit TSynCharStarts(std::string_view Line) : line_(Line) {}
    TSynCharStarts(const TSynCharStarts&) = delete;
    TSynCharStarts& operator=(const TSynCharStarts&) = delete;

    // Offset 0 and the line's end count as starts; offsets past it do not.
    bool IsCharStart(size_t Offset);

private:
    std::string_view line_;
    // Built on first need, when a long run of lead-range bytes makes the
    // look back expensive: exactly the offsets where a character starts.
    std::vector<bool> starts_;
};
