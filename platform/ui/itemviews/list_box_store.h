// TListBoxStore: the rows of a list box (text, object, height, selection
// flag) in chunks of bounded size, so that inserting into a long list, and
// a sorted insertion above all, moves a few hundred rows and not all of them.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "platform/base/ansi_string.h"

class TObject;

struct TListBoxItem {
    AnsiString Text;
    TObject* Object = nullptr;
    int Height = 0;         // the measured height of a variable-height row
    bool Selected = false;  // used by the multiple-selection styles only
};

class TListBoxStore {
public:
    TListBoxStore() = default;
    TListBoxStore(const TListBoxStore&) = delete;
    TListBoxStore& operator=(const TListBoxStore&) = delete;

    int Count() const { return count_; }
    TListBoxItem& At(int Index);
    const TListBoxItem& At(int Index) const { return const_cast<TListBoxStore*>(this)->At(Index); }
    // Index may be Count (appends).
    void Insert(int Index, TListBoxItem Item);
    void Erase(int Index);
    void Clear();
    // The index after the last row whose text orders at or before Text by
    // CompareText, for a store in that order: where a sorted insertion
    // goes, after its equals.
    int UpperBound(const AnsiString& Text) const;
    // Puts every row in CompareText order, equals keeping their order.
    void Sort();

private:
    // Finds the chunk holding Index and Index's offset in it.
    void Locate(int Index, size_t& Chunk, int& Offset) const;
    // The rows of the chunks before Chunk.
    int Start(size_t Chunk) const;
    void Grow(size_t Chunk, int Delta);
    // Builds sizes_ anew after chunks came or went.
    void RebuildSizes();

    std::vector<std::vector<TListBoxItem>> chunks_;  // none empty, each at most MaxChunk rows
    // A Fenwick tree over the chunk sizes (1-based): sizes_[k] holds the
    // rows of the lowbit(k) chunks ending with chunk k - 1.
    std::vector<int> sizes_;
    int count_ = 0;  // the rows of all chunks
};
