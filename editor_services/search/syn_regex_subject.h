// The text the regular-expression matcher reads: a line (or a pattern) of
// GBK text as UTF-8, one code point for each character the editor counts,
// and the way back from an offset into it to the line's own bytes.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class TSynLeadTexts;

// Text as UTF-8, character by character as CharLengthAt walks it: a GBK
// character becomes its code point; two bytes that pair up but are no GBK
// character become a private-use code point of their own (U+F0000 + the
// two bytes), and a lone byte from 0x80 one of U+10FF00 + the byte, so that
// each matches itself and nothing else.
std::string GbkToRegexUtf8(std::string_view Text);

// How many bytes Text starts with that are ASCII (all of them, for a line
// of ASCII alone).
size_t AsciiPrefixLength(std::string_view Text);

class TSynRegexSubject {
public:
    // The text to match is Line converted; a line of ASCII alone is matched
    // as it stands. Line must outlive the subject's use.
    void Assign(std::string_view Line);
    // The same, for a Line whose AsciiPrefixLength is known; with Leads,
    // the places in the text where one of them stands as characters are
    // found in the same pass, for LeadFrom.
    void Assign(std::string_view Line, size_t AsciiPrefix, const TSynLeadTexts* Leads = nullptr);
    std::string_view Text() const { return ascii_ ? line_ : std::string_view(utf8_.data(), size_); }
    // The byte offset in the line of Offset, an offset into Text() where a
    // code point starts (or its end). Each costs a walk from the offset
    // asked before (the line's start, the first time), or from the place
    // LeadFrom last answered where that stands nearer, so matches and
    // their groups, asked in order, cost one pass up to the last of them.
    size_t LineOffset(size_t Offset);
    // The first offset into Text() from Offset where one of the lead texts
    // Assign was given stands, or npos; in a line where they stand too
    // thick to be worth finding, from where they were last looked for, the
    // offset itself. Asked with offsets that never go back.
    size_t LeadFrom(size_t Offset)
    {
        if (ascii_)
            return AsciiLeadFrom(Offset);
        while (nextLead_ < leadsAt_.size() && leadsAt_[nextLead_].Text < Offset)
            ++nextLead_;
        if (nextLead_ < leadsAt_.size())
            return leadsAt_[nextLead_].Text;
        return leadsUntil_ == std::string_view::npos ? leadsUntil_ : std::max(Offset, leadsUntil_);
    }

private:
    // A line of ASCII alone reads the same in GBK: the texts are looked for
    // where it stands.
    size_t AsciiLeadFrom(size_t Offset) const;

    std::string_view line_;
    std::string utf8_;  // the converted line in its first size_ bytes, and room after; kept for the next line
    size_t size_ = 0;
    bool ascii_ = true;
    // Where LineOffset last was in the converted line, and the offset in
    // the line it stands for.
    size_t mapped_ = 0;
    size_t mappedLine_ = 0;
    const TSynLeadTexts* leads_ = nullptr;
    // Where the lead texts stand in the converted line and in the line, in
    // order, and the first of them LeadFrom has not passed: a match mostly
    // starts there, and LineOffset walks on from it.
    struct TLeadAt {
        size_t Text;
        size_t Line;
    };
    std::vector<TLeadAt> leadsAt_;
    size_t nextLead_ = 0;
    size_t leadsUntil_ = std::string_view::npos;  // where they were last looked for, npos for the line's end
    // The end of a line, copied where its last bytes can be read in whole
    // blocks.
    std::array<unsigned char, 144> tail_{};
};
