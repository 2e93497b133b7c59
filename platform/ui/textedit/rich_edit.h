// TRichEdit: a memo whose text carries character attributes (font name,
// size, style, colour, charset) in runs. Each row is as tall as its
// tallest run, its runs standing on one baseline. New text takes the
// attributes of the text it joins; SelAttributes changes those of the
// selection, DefAttributes those of all text that has none of its own
// (which also follows the control's font).
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/ui/textedit/memo.h"
#include "platform/ui/textedit/text_attributes.h"

class TRichEdit : public TCustomMemo {
public:
    explicit TRichEdit(TComponent* AOwner);
    ~TRichEdit() override;

    TTextAttributes* DefAttributes() const { return defAttributes_.get(); }
    TTextAttributes* SelAttributes() const { return selAttributes_.get(); }

    // The attributes of the character at Offset (of the last one at the end).
    const TFont& FormatAt(int Offset) const;

    // The selection or the caret moved, or the text changed.
    TNotifyEvent OnSelectionChange;

    // For TTextAttributes: the default attributes, the selection's, and a
    // change applied to every run the attributes cover.
    const TFont& DefaultFormat() const { return *formats_[0]; }
    const TFont& SelectionFormat() const;
    void ChangeFormat(TAttributeType Type, const std::function<void(TFont&)>& Step);

protected:
    void Dispatch(TMessage& Message) override;
    void MeasureText(int Offset, std::string_view Text, std::vector<int>& Ends) override;
    int RowHeightOf(int Row) override;
    void DrawTextPiece(HDC DC, int Row, int Offset, std::string_view Text, int X, int Y, bool Selected) override;
    void TextReplaced(const TEditChange& Change, bool Whole) override;
    void SelectionMoved() override;

private:
    // The index of a format equal to Format, added when there is none.
    int Intern(const TFont& Format);
    // The format text inserted at Pos (over Removed bytes) takes: the
    // first replaced character's, else the one before it on its line, else
    // the one after it.
    int InsertionFormat(int Pos, int Removed) const;
    // Per format: the font's line height and ascent, measured on first use.
    struct TMetrics {
        int Height = 0;
        int Ascent = 0;
        int AverageWidth = 0;
    };
    const TMetrics& MetricsOf(int Format);
    // The tallest line and ascent among the formats of row Row.
    TMetrics RowMetrics(int Row);
    // Calls Step(From, To, Format) for each run of one format within
    // [From, To).
    template <typename TStep>
    void ForEachRun(int From, int To, TStep Step) const;

    // formats_[0] is the default format: the control's font each time that
    // changes, and what DefAttributes makes of it. The others are kept
    // once made.
    std::vector<std::unique_ptr<TFont>> formats_;
    std::vector<TMetrics> metrics_;  // parallel to formats_; Height 0 until measured
    // One entry per byte of the text: the index of its format. Both bytes
    // of a double-byte character always have the same one.
    std::vector<int> runs_;
    int pending_ = -1;  // the format typing at the caret takes, from SelAttributes with nothing selected; -1 for none
    int reportedAnchor_ = 0;  // the selection OnSelectionChange last told of
    int reportedCaret_ = 0;
    bool textChanged_ = false;  // since OnSelectionChange last ran
    HDC measureDC_ = nullptr;   // a memory DC for the formats' fonts
    std::unique_ptr<TTextAttributes> defAttributes_;
    std::unique_ptr<TTextAttributes> selAttributes_;
};
