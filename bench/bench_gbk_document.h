// About 100 MB of GBK text in lines, the same on every run, for the
// search and replace benchmarks.
#pragma once

#include <cstdint>
#include <iterator>
#include <vector>

#include "platform/base/ansi_string.h"

namespace {

constexpr size_t kDocumentBytes = 100u << 20;

// Fixed draws, so that every run searches the same text.
class TDraws {
public:
    uint32_t Below(uint32_t N) { return Next() % N; }

private:
    uint32_t Next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    uint32_t state_ = 20240522;
};

// Lines of ASCII words and Chinese characters, some of whose trail bytes
// are letters ('f' in 說, 'T' in 門, 'e' in 檈), so that byte-wise matching
// finds words inside characters.
inline const std::vector<AnsiString>& Document()
{
    static std::vector<AnsiString> lines;
    if (!lines.empty())
        return lines;
    static const char* const Words[] = {"int", "return", "value", "editor", "search", "if", "(a", "b)", "=", ";",
                                        "text", "find", "Ted", "def"};
    static const char* const Chinese[] = {"說", "門", "這", "乗", "中", "文", "編", "輯", "字", "行", "檈", "\xB5\x64"};
    TDraws draws;
    size_t total = 0;
    while (total < kDocumentBytes) {
        AnsiString line;
        const uint32_t length = 20 + draws.Below(140);
        while (line.size() < length) {
            if (draws.Below(2))
                line += Words[draws.Below(std::size(Words))];
            else
                for (uint32_t i = 1 + draws.Below(4); i > 0; --i)
                    line += Chinese[draws.Below(std::size(Chinese))];
            line += draws.Below(3) ? " " : "";
        }
        total += line.size() + 2;
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace
