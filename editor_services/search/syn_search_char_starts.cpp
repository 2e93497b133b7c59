#include "editor_services/search/syn_search_char_starts.h"

#include "platform/base/code_page.h"

namespace {

// How far back a start is looked for before the line is walked once.
constexpr size_t LookBackLimit = 64;

}  // namespace

bool TSynCharStarts::IsCharStart(size_t Offset)
{
    if (Offset == 0 || Offset == line_.size())
        return true;
    if (Offset > line_.size())
        return false;
    if (starts_.empty()) {
        // A byte outside the lead range always ends a character (it is a
        // single byte or a trail byte), and the lead-range bytes after it
        // pair up from there; so the parity of that run decides.
        size_t run = 0;
        while (run < Offset && run < LookBackLimit && IsDBCSLeadByte(line_[Offset - 1 - run]))
            ++run;
        if (run == Offset || run < LookBackLimit)
            return run % 2 == 0;
        starts_.assign(line_.size() + 1, false);
        for (size_t i = 0; i < line_.size(); i += CharLengthAt(line_, i))
            starts_[i] = true;
        starts_[line_.size()] = true;
    }
    return starts_[Offset];
}
