// A small word highlighter for painting tests and benchmarks.
#pragma once

#include <cctype>

#include "platform/base/code_page.h"
#include "tests/editor/line_scan_syn.h"

// Words (letters and digits, double-byte characters included) are "Key"
// when they are in the keyword list, else "Ident"; runs of blanks are
// "Space", the default whitespace attribute; a '#' starts a "Comment" to
// the end of the line; any other character is a "Symbol" of its own.
class TWordSyn : public TLineScanSyn {
public:
    TWordSyn()
        : comment_(NewAttribute("Comment")), ident_(NewAttribute("Ident")), key_(NewAttribute("Key")),
          space_(NewAttribute("Space")), symbol_(NewAttribute("Symbol"))
    {
    }
    TSynHighlighterAttributes* Comment() const { return comment_; }
    TSynHighlighterAttributes* Ident() const { return ident_; }
    TSynHighlighterAttributes* Key() const { return key_; }
    TSynHighlighterAttributes* Space() const { return space_; }
    TSynHighlighterAttributes* Symbol() const { return symbol_; }
    AnsiString Keywords = " if else while return int ";

    TSynHighlighterAttributes* GetDefaultAttribute(int Index) const override
    {
        return Index == kDefaultAttrWhitespace ? space_ : Index == kDefaultAttrComment ? comment_ : nullptr;
    }

private:
    void ScanToken() override
    {
        const auto at = [&](size_t i) { return static_cast<unsigned char>(line_[i]); };
        const auto word = [&](size_t i) { return std::isalnum(at(i)) || at(i) == '_' || at(i) >= 0x80; };
        if (at(run_) == '#') {
            attr_ = comment_;
            run_ = line_.size();
        } else if (at(run_) == ' ' || at(run_) == '\t') {
            attr_ = space_;
            while (run_ < line_.size() && (at(run_) == ' ' || at(run_) == '\t'))
                ++run_;
        } else if (word(run_)) {
            while (run_ < line_.size() && word(run_))
                run_ += CharLengthAt(line_, run_);
            attr_ = Keywords.find(" " + line_.substr(pos_, run_ - pos_) + " ") != AnsiString::npos ? key_ : ident_;
        } else {
            attr_ = symbol_;
            run_ += CharLengthAt(line_, run_);
        }
    }

    TSynHighlighterAttributes* const comment_;
    TSynHighlighterAttributes* const ident_;
    TSynHighlighterAttributes* const key_;
    TSynHighlighterAttributes* const space_;
    TSynHighlighterAttributes* const symbol_;
};
