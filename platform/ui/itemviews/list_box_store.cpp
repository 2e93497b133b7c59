// The chunked rows of a list box.
#include "platform/ui/itemviews/list_box_store.h"

#include <iterator>

#include "platform/base/code_page.h"

namespace {

// A full chunk splits in two halves. Small chunks make an insertion move
// few rows; the tree over their sizes keeps finding one cheap.
constexpr size_t MaxChunk = 128;

bool TextBefore(const AnsiString& A, const AnsiString& B)
{
    return CompareText(A, B) < 0;
}

}  // namespace

void TListBoxStore::RebuildSizes()
{
    sizes_.assign(chunks_.size() + 1, 0);
    for (size_t k = 1; k < sizes_.size(); ++k) {
        sizes_[k] += static_cast<int>(chunks_[k - 1].size());
        const size_t parent = k + (k & (~k + 1));
        if (parent < sizes_.size())
            sizes_[parent] += sizes_[k];
    }
}

void TListBoxStore::Grow(size_t Chunk, int Delta)
{
    for (size_t k = Chunk + 1; k < sizes_.size(); k += k & (~k + 1))
        sizes_[k] += Delta;
}

int TListBoxStore::Start(size_t Chunk) const
{
    int rows = 0;
    for (size_t k = Chunk; k > 0; k -= k & (~k + 1))
        rows += sizes_[k];
    return rows;
}

void TListBoxStore::Locate(int Index, size_t& Chunk, int& Offset) const
{
    // Descends the tree to the last chunk starting at or before Index.
    size_t position = 0;
    int rest = Index;
    size_t step = 1;
    while (step * 2 < sizes_.size())
        step *= 2;
    for (; step > 0; step /= 2) {
        if (position + step < sizes_.size() && sizes_[position + step] <= rest) {
            position += step;
            rest -= sizes_[position];
        }
    }
    Chunk = position;
    Offset = rest;
}

TListBoxItem& TListBoxStore::At(int Index)
{
    size_t chunk = 0;
    int offset = 0;
    Locate(Index, chunk, offset);
    return chunks_[chunk][offset];
}

void TListBoxStore::Insert(int Index, TListBoxItem Item)
{
    size_t chunk = 0;
    int offset = 0;
    if (chunks_.empty()) {
        chunks_.emplace_back();
        RebuildSizes();
    } else if (Index == count_) {
        chunk = chunks_.size() - 1;
        offset = static_cast<int>(chunks_[chunk].size());
    } else {
        Locate(Index, chunk, offset);
    }
    std::vector<TListBoxItem>& rows = chunks_[chunk];
    rows.insert(rows.begin() + offset, std::move(Item));
    ++count_;
    if (rows.size() > MaxChunk) {
        std::vector<TListBoxItem> upper(std::make_move_iterator(rows.begin() + MaxChunk / 2),
                                        std::make_move_iterator(rows.end()));
        rows.resize(MaxChunk / 2);
        chunks_.insert(chunks_.begin() + static_cast<std::ptrdiff_t>(chunk) + 1, std::move(upper));
        RebuildSizes();
    } else {
        Grow(chunk, 1);
    }
}

void TListBoxStore::Erase(int Index)
{
    size_t chunk = 0;
    int offset = 0;
    Locate(Index, chunk, offset);
    std::vector<TListBoxItem>& rows = chunks_[chunk];
    rows.erase(rows.begin() + offset);
    --count_;
    if (rows.empty()) {
        chunks_.erase(chunks_.begin() + static_cast<std::ptrdiff_t>(chunk));
        RebuildSizes();
    } else {
        Grow(chunk, -1);
    }
}

void TListBoxStore::Clear()
{
    chunks_.clear();
    sizes_.assign(1, 0);
    count_ = 0;
}

int TListBoxStore::UpperBound(const AnsiString& Text) const
{
    // The first chunk whose last row orders after Text holds the place;
    // past every chunk it is the end.
    auto chunk = std::upper_bound(chunks_.begin(), chunks_.end(), Text,
                                  [](const AnsiString& T, const std::vector<TListBoxItem>& Rows) {
                                      return TextBefore(T, Rows.back().Text);
                                  });
    if (chunk == chunks_.end())
        return count_;
    auto row = std::upper_bound(chunk->begin(), chunk->end(), Text,
                                [](const AnsiString& T, const TListBoxItem& R) { return TextBefore(T, R.Text); });
    return Start(static_cast<size_t>(std::distance(chunks_.begin(), chunk))) +
           static_cast<int>(std::distance(chunk->begin(), row));
}

void TListBoxStore::Sort()
{
    std::vector<TListBoxItem> all;
    all.reserve(static_cast<size_t>(count_));
    for (std::vector<TListBoxItem>& rows : chunks_)
        std::move(rows.begin(), rows.end(), std::back_inserter(all));
    std::stable_sort(all.begin(), all.end(),
                     [](const TListBoxItem& A, const TListBoxItem& B) { return TextBefore(A.Text, B.Text); });
    Clear();
    for (size_t first = 0; first < all.size(); first += MaxChunk / 2) {
        const size_t last = std::min(all.size(), first + MaxChunk / 2);
        chunks_.emplace_back(std::make_move_iterator(all.begin() + static_cast<std::ptrdiff_t>(first)),
                             std::make_move_iterator(all.begin() + static_cast<std::ptrdiff_t>(last)));
    }
    count_ = static_cast<int>(all.size());
    RebuildSizes();
}
