#include "editor/folding/syn_fold_line_source.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string_view>

#include "editor/folding/syn_fold_ranges.h"
#include "platform/base/code_page.h"

namespace {

// The first piece's lines, and the steps each piece is read in until it
// has its lines or MostBytes.
constexpr int Step = 64;
constexpr size_t MostBytes = 256 * 1024;

// The byte column of Token's first match in Line at a character's start,
// matched in any letter case when FoldCase (Token in upper case); npos when
// there is none. A byte starts a character when an even number of lead
// bytes stand right before it.
size_t FindToken(std::string_view Line, const AnsiString& Token, bool FoldCase)
{
    const char first = Token[0];
    const char other = FoldCase ? LoCase(first) : first;
    for (size_t at = 0; at + Token.size() <= Line.size(); ++at) {
        const char* found = static_cast<const char*>(std::memchr(Line.data() + at, first, Line.size() - at));
        if (other != first) {
            const char* lower = static_cast<const char*>(std::memchr(Line.data() + at, other, Line.size() - at));
            if (lower && (!found || lower < found))
                found = lower;
        }
        if (!found)
            return std::string_view::npos;
        at = static_cast<size_t>(found - Line.data());
        size_t leads = 0;
        while (leads < at && IsDBCSLeadByte(Line[at - leads - 1]))
            ++leads;
        const std::string_view here = Line.substr(at, Token.size());
        if (leads % 2 == 0 && (FoldCase ? UpperCase(here) == Token : here == Token))
            return at;
    }
    return std::string_view::npos;
}

}  // namespace

TSynFoldLineSource::TSynFoldLineSource(const TSynTextStringList& Lines, const TSynTextAllFoldRanges& Ranges,
                                       int FirstLine)
    : lines_(Lines), ranges_(Ranges), nextReal_(FirstLine), next_(Ranges.BufferLineOf(FirstLine) - 1), piece_(Step)
{
}

bool TSynFoldLineSource::operator()(AnsiString& Text)
{
    if (!block_ && next_ >= lines_.Count())
        return false;
    const size_t until = Text.size() + MostBytes;
    int left = piece_;
    while (left > 0 && Text.size() < until && (block_ || next_ < lines_.Count())) {
        if (block_) {
            const size_t from = at_;
            AppendBlock(Text, until);
            left -= static_cast<int>(at_ - from);
            continue;
        }
        // The buffer's lines up to the next collapsed block.
        const int last = std::min(lines_.Count(), next_ + std::min(left, Step));
        const TSynTextFoldRange* block = ranges_.CollapsedIn(next_ + 1, last);
        const int end = block ? block->FromLine() - 1 : last;
        lines_.AppendLines(next_, end - 1, Text);
        left -= end - next_;
        nextReal_ += end - next_;
        next_ = end;
        if (block)
            ReadBlock(block);
    }
    // Every line takes two bytes at least, so a piece that doubles stays
    // far from the largest int.
    if (left <= 0)
        piece_ *= 2;
    return true;
}

void TSynFoldLineSource::ReadBlock(const TSynTextFoldRange* Block)
{
    // Read where they stand, as expanding would put them.
    TBlock& read = blocks_.emplace_back();
    read.First = nextReal_;
    read.Head = next_;
    ranges_.ForEachLineOf(Block, lines_.Strings(next_), [&read](const AnsiString& Line) { read.Lines.push_back(Line); });
    block_ = &read;
    at_ = 0;
    ++next_;
}

bool TSynFoldLineSource::Seek(const AnsiString& Token, bool FoldCase, int& Line, size_t& Column)
{
    // Where the source stands, to go back to when no line holds Token.
    const int nextReal = nextReal_;
    const int next = next_;
    TBlock* const block = block_;
    const size_t at = at_;
    const size_t blocks = blocks_.size();
    while (block_ || next_ < lines_.Count()) {
        if (block_) {
            for (; at_ < block_->Lines.size(); ++at_, ++nextReal_) {
                Column = FindToken(block_->Lines[at_], Token, FoldCase);
                if (Column != std::string_view::npos) {
                    Line = nextReal_;
                    return true;
                }
            }
            block_ = nullptr;
            continue;
        }
        // The buffer's lines up to the next collapsed block.
        int head = 0;
        int hidden = 0;
        const TSynTextFoldRange* collapsed = ranges_.NextCollapsed(next_ + 1, head, hidden);
        for (const int end = collapsed ? head - 1 : lines_.Count(); next_ < end; ++next_, ++nextReal_) {
            Column = FindToken(lines_.LineView(next_), Token, FoldCase);
            if (Column != std::string_view::npos) {
                Line = nextReal_;
                return true;
            }
        }
        // A look-ahead that finds no close token may pass every collapsed
        // block of the text: a block is read out for the lines handed out
        // next only when a line of it may hold the token.
        if (!collapsed)
            break;
        if (BlockMayHold(*collapsed, hidden, Token, FoldCase)) {
            ReadBlock(collapsed);
        } else {
            nextReal_ += 1 + hidden;
            ++next_;
        }
    }
    nextReal_ = nextReal;
    next_ = next;
    block_ = block;
    at_ = at;
    blocks_.resize(blocks);
    return false;
}

bool TSynFoldLineSource::BlockMayHold(const TSynTextFoldRange& Block, int Hidden, const AnsiString& Token,
                                      bool FoldCase)
{
    // The lines as they are kept, each block's first line with its
    // collapse marks, which may hold the token where the text does not. The
    // lines of a block that holds no byte the token may start with are not
    // read at all.
    const auto holds = [&Token, FoldCase](std::string_view Line) {
        return FindToken(Line, Token, FoldCase) != std::string_view::npos;
    };
    const unsigned char first = static_cast<unsigned char>(Token[0]);
    const unsigned char other = FoldCase ? static_cast<unsigned char>(LoCase(Token[0])) : first;
    const auto keptHold = [&holds, first, other](const TSynTextFoldRange& Range) {
        const TSynTextFoldRange::TCollapsedData* data = Range.CollapsedData();
        if (!data || !(data->Bytes[first] || data->Bytes[other]))
            return false;
        for (int i = 0; i < data->Lines.Count(); ++i)
            if (holds(data->Lines.StringView(i)))
                return true;
        return false;
    };
    if (holds(lines_.LineView(next_)))
        return true;
    // Most blocks hide no collapsed block: their own kept lines are all.
    if (Hidden == Block.CollapsedLineCount())
        return keptHold(Block);
    pending_.assign(1, &Block);
    while (!pending_.empty()) {
        const TSynTextFoldRange* range = pending_.back();
        pending_.pop_back();
        if (range->Collapsed && keptHold(*range))
            return true;
        for (int i = 0; i < range->SubFoldRanges.Count(); ++i)
            pending_.push_back(range->SubFoldRanges.Ranges(i));
    }
    return false;
}

void TSynFoldLineSource::AppendBlock(AnsiString& Text, size_t Until)
{
    // Every line but the text's last ends in a line break.
    const bool lastInText = next_ >= lines_.Count();
    for (; at_ < block_->Lines.size() && Text.size() < Until; ++at_, ++nextReal_) {
        Text += block_->Lines[at_];
        if (!lastInText || at_ + 1 < block_->Lines.size())
            Text += "\r\n";
    }
    if (at_ == block_->Lines.size())
        block_ = nullptr;
}

TSynFoldLineSource::TBlock* TSynFoldLineSource::BlockAt(int Line)
{
    // The blocks go by first lines.
    const auto after = std::upper_bound(blocks_.begin(), blocks_.end(), Line,
                                        [](int L, const TBlock& Block) { return L < Block.First; });
    if (after == blocks_.begin())
        return nullptr;
    TBlock& block = *std::prev(after);
    return Line < block.First + static_cast<int>(block.Lines.size()) ? &block : nullptr;
}
