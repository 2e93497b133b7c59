// Value types that every part of the editor control shares.
#pragma once

#include <compare>
#include <cstdint>

// A position in the text buffer: character column and line, both from 1.
// Positions order by line, then by character within the line.
struct TBufferCoord {
    int32_t Char = 0;
    int32_t Line = 0;

    friend bool operator==(const TBufferCoord&, const TBufferCoord&) = default;
    // Written out because a defaulted comparison would follow the member
    // order and put the character before the line.
    friend constexpr std::strong_ordering operator<=>(const TBufferCoord& A, const TBufferCoord& B)
    {
        if (const auto byLine = A.Line <=> B.Line; byLine != 0)
            return byLine;
        return A.Char <=> B.Char;
    }
};

inline TBufferCoord BufferCoord(int32_t AChar, int32_t ALine) { return {AChar, ALine}; }

// The longest line the buffer takes: the column just past its end must
// still fit the column type.
inline constexpr int32_t MaxLineLength = INT32_MAX - 1;

// A position on screen after tab expansion, word wrap and folding, from 1.
struct TDisplayCoord {
    int32_t Column = 0;
    int32_t Row = 0;

    friend bool operator==(const TDisplayCoord&, const TDisplayCoord&) = default;
};

inline TDisplayCoord DisplayCoord(int32_t AColumn, int32_t ARow) { return {AColumn, ARow}; }

enum TSynSelectionMode : uint8_t { smNormal, smLine, smColumn };

// The line-break style found by the last load and used by the next save.
enum TSynTextFileFormat : uint8_t { sffDos, sffUnix, sffMac };
