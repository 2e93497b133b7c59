// Rows of wrapped printed lines.
#include "editor_services/printing/syn_text_print_rows.h"

#include <algorithm>

#include "platform/base/code_page.h"

std::vector<int> PrintRowEnds(std::string_view Line, int WrapColumn)
{
    std::vector<int> ends;
    const size_t length = Line.size();
    size_t start = 0;
    while (length - start > static_cast<size_t>(std::max(WrapColumn, 0))) {
        size_t end = start;
        while (end < length) {
            const size_t next = end + CharLengthAt(Line, end);
            if (next - start > static_cast<size_t>(WrapColumn))
                break;
            end = next;
        }
        if (end == start)
            end += CharLengthAt(Line, start);
        ends.push_back(static_cast<int>(end));
        start = end;
    }
    if (ends.empty() || start < length)
        ends.push_back(static_cast<int>(length));
    return ends;
}

TCharStarts::TCharStarts(std::string_view Line) : starts_(Line.size() + 1, 0)
{
    for (size_t at = 0; at < Line.size(); at += CharLengthAt(Line, at))
        starts_[at] = 1;
    starts_.back() = 1;
}

void TCharStarts::Snap(int& Start, int& End) const
{
    const int length = static_cast<int>(starts_.size()) - 1;
    Start = std::clamp(Start, 0, length);
    End = std::clamp(End, Start, length);
    while (!IsStart(Start))
        --Start;
    while (!IsStart(End))
        ++End;
}
