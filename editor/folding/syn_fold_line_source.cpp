#include "editor/folding/syn_fold_line_source.h"

#include <algorithm>

#include "editor/folding/syn_fold_ranges.h"

namespace {

// The first piece's lines, and the steps each piece is read in until it
// has its lines or MostBytes.
constexpr int Step = 64;
constexpr size_t MostBytes = 256 * 1024;

}  // namespace

TSynFoldLineSource::TSynFoldLineSource(const TSynTextStringList& Lines, const TSynTextAllFoldRanges& Ranges,
                                       int FirstLine)
    : lines_(Lines), ranges_(Ranges), next_(Ranges.BufferLineOf(FirstLine) - 1), piece_(Step)
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
        next_ = end;
        if (!block)
            continue;
        // Read where they stand, as expanding would put them.
        TBlock& read = blocks_.emplace_back();
        read.First = ranges_.RealLineNumber(next_ + 1);
        read.Head = next_;
        ranges_.ForEachLineOf(block, lines_.Strings(next_), [&read](const AnsiString& Line) { read.Lines.push_back(Line); });
        block_ = &read;
        at_ = 0;
        ++next_;
    }
    // Every line takes two bytes at least, so a piece that doubles stays
    // far from the largest int.
    if (left <= 0)
        piece_ *= 2;
    return true;
}

void TSynFoldLineSource::AppendBlock(AnsiString& Text, size_t Until)
{
    // Every line but the text's last ends in a line break.
    const bool lastInText = next_ >= lines_.Count();
    for (; at_ < block_->Lines.size() && Text.size() < Until; ++at_) {
        Text += block_->Lines[at_];
        if (!lastInText || at_ + 1 < block_->Lines.size())
            Text += "\r\n";
    }
    if (at_ == block_->Lines.size())
        block_ = nullptr;
}

TSynFoldLineSource::TBlock* TSynFoldLineSource::BlockAt(int Line)
{
    for (auto block = blocks_.rbegin(); block != blocks_.rend(); ++block)
        if (block->First <= Line && Line < block->First + static_cast<int>(block->Lines.size()))
            return &*block;
    return nullptr;
}
