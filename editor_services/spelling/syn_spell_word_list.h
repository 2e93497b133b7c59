// The spell checker's word list: words in lower case with their phonetic
// hashes, sorted in byte order, and 256 buckets that give the first and last
// index of the words starting with each byte, so a look-up searches only the
// words that share the first byte.
#pragma once

#include <array>
#include <functional>
#include <string_view>
#include <vector>

#include "platform/base/ansi_string.h"

struct TWordRec {
    AnsiString Word;  // lower case, never empty
    AnsiString Hash;
    bool UserWord = false;  // added by the user: written to the user dictionary
};

class TSpellWordList {
public:
    TSpellWordList() = default;
    TSpellWordList(const TSpellWordList&) = delete;
    TSpellWordList& operator=(const TSpellWordList&) = delete;

    int Count() const { return static_cast<int>(words_.size()); }
    const TWordRec& Items(int Index) const { return words_[static_cast<size_t>(Index)]; }

    // Takes Words in any order: empty words are dropped, and equal words
    // become one, a user's word if either was.
    void Assign(std::vector<TWordRec> Words);
    // Puts Word in its place; answers its index. A word already there
    // keeps its place and becomes a user's word if Word is one.
    int Insert(TWordRec Word);
    void Clear();
    // The index of Word, compared byte for byte, or -1.
    int Find(std::string_view Word) const;
    // Gives every word the hash Hash computes from it.
    void Rehash(const std::function<AnsiString(const AnsiString&)>& Hash);

private:
    struct TBucket {
        int First = 0;
        int Last = -1;  // Last < First: no word starts with the bucket's byte
    };
    void BuildBuckets();

    std::vector<TWordRec> words_;  // sorted by Word in byte order, no two equal
    std::array<TBucket, 256> buckets_;  // per first byte, the indexes of exactly the words starting with it
};
