// Value types that every part of the editor control shares.
#pragma once

#include <cstdint>

// A position in the text buffer: character column and line, both from 1.
struct TBufferCoord {
    int32_t Char = 0;
    int32_t Line = 0;

    friend bool operator==(const TBufferCoord&, const TBufferCoord&) = default;
};

inline TBufferCoord BufferCoord(int32_t AChar, int32_t ALine) { return {AChar, ALine}; }

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
