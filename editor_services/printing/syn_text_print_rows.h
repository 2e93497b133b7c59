// Where a printed line is cut into rows: whole characters only, found by
// walking the characters from the line's start, since a trail byte can
// carry a lead byte's value (中 is D6 D0).
#pragma once

#include <string_view>
#include <vector>

// The 0-based end (one past the last byte) of every row of Line when rows
// hold WrapColumn bytes: a row that would end inside a double-byte
// character ends before it, and a row always holds at least one whole
// character, whatever WrapColumn is (0 included). The last entry is the
// line's length; an empty line is one empty row.
std::vector<int> PrintRowEnds(std::string_view Line, int WrapColumn);

// Which bytes of a line start a character, worked out once for the line.
class TCharStarts {
public:
    explicit TCharStarts(std::string_view Line);
    // [Start, End), clamped to the line, widened to whole characters: Start
    // moves back to the start of the character it is in, End on past the
    // character it cuts.
    void Snap(int& Start, int& End) const;

private:
    bool IsStart(int Index) const { return starts_[static_cast<size_t>(Index)] != 0; }
    std::vector<char> starts_;  // one per byte and one for the end; the end always counts as a start
};
