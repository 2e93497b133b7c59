// Sorting, merging and bucketed look-up of the spell checker's words.
#include "editor_services/spelling/syn_spell_word_list.h"

#include <algorithm>

namespace {

unsigned char FirstByte(std::string_view Word) { return static_cast<unsigned char>(Word[0]); }

bool WordLess(const TWordRec& A, const TWordRec& B) { return A.Word < B.Word; }

}  // namespace

void TSpellWordList::Assign(std::vector<TWordRec> Words)
{
    std::erase_if(Words, [](const TWordRec& W) { return W.Word.empty(); });
    std::sort(Words.begin(), Words.end(), WordLess);
    words_.clear();
    for (TWordRec& word : Words) {
        if (!words_.empty() && words_.back().Word == word.Word)
            words_.back().UserWord = words_.back().UserWord || word.UserWord;
        else
            words_.push_back(std::move(word));
    }
    BuildBuckets();
}

int TSpellWordList::Insert(TWordRec Word)
{
    const auto place = std::lower_bound(words_.begin(), words_.end(), Word, WordLess);
    const int index = static_cast<int>(place - words_.begin());
    if (place != words_.end() && place->Word == Word.Word) {
        place->UserWord = place->UserWord || Word.UserWord;
        return index;
    }
    const unsigned char first = FirstByte(Word.Word);
    words_.insert(place, std::move(Word));
    TBucket& own = buckets_[first];
    if (own.Last < own.First)
        own = {index, index};
    else
        ++own.Last;
    for (size_t b = first + 1u; b < buckets_.size(); ++b) {
        ++buckets_[b].First;
        ++buckets_[b].Last;
    }
    return index;
}

void TSpellWordList::Clear()
{
    words_.clear();
    BuildBuckets();
}

int TSpellWordList::Find(std::string_view Word) const
{
    if (Word.empty())
        return -1;
    const TBucket& bucket = buckets_[FirstByte(Word)];
    if (bucket.Last < bucket.First)
        return -1;
    const auto begin = words_.begin() + bucket.First;
    const auto end = words_.begin() + bucket.Last + 1;
    const auto found = std::lower_bound(begin, end, Word, [](const TWordRec& W, std::string_view S) { return W.Word < S; });
    return found != end && found->Word == Word ? static_cast<int>(found - words_.begin()) : -1;
}

void TSpellWordList::Rehash(const std::function<AnsiString(const AnsiString&)>& Hash)
{
    for (TWordRec& word : words_)
        word.Hash = Hash(word.Word);
}

void TSpellWordList::BuildBuckets()
{
    buckets_.fill(TBucket{});
    for (size_t i = 0; i < words_.size(); ++i) {
        TBucket& bucket = buckets_[FirstByte(words_[i].Word)];
        if (bucket.Last < bucket.First)
            bucket.First = static_cast<int>(i);
        bucket.Last = static_cast<int>(i);
    }
}
