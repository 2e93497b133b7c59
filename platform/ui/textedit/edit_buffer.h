// TEditBuffer: the text of an edit control with its selection and its
// one-level undo, always cut on whole characters of the code page.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "platform/base/ansi_string.h"

// What one change did: at Pos, Removed bytes gave way to Inserted bytes.
struct TEditChange {
    int Pos = 0;
    int Removed = 0;
    int Inserted = 0;
    bool Changed() const { return Removed != 0 || Inserted != 0; }
};

// How a change is remembered for undo: not at all (the undo is dropped),
// as a step of its own, or as typing that more typing straight after it
// extends, so that one undo takes back the whole run.
enum class TEditUndo { None, Step, Typing };

class TEditBuffer {
public:
    const AnsiString& Text() const { return text_; }
    int Length() const { return static_cast<int>(text_.size()); }

    // The selection runs between the anchor and the caret, either way round.
    int Anchor() const { return anchor_; }
    int Caret() const { return caret_; }
    int SelStart() const { return std::min(anchor_, caret_); }
    int SelEnd() const { return std::max(anchor_, caret_); }
    bool HasSelection() const { return anchor_ != caret_; }
    AnsiString SelText() const { return text_.substr(SelStart(), SelEnd() - SelStart()); }
    // Both ends are kept within the text and snapped to character starts.
    void Select(int Anchor, int Caret);

    // A character is a double-byte character, a CR LF pair or one byte.
    // Snap clamps an offset into the text and moves it back to the start of
    // the character it falls in.
    int Snap(int Offset) const;
    int NextChar(int Offset) const;
    int PrevChar(int Offset) const;
    // Ctrl+Right: past the rest of the word and the blanks after it; a line
    // break is a stop of its own.
    int NextWord(int Offset) const;
    // Ctrl+Left: back over blanks to the start of the word before.
    int PrevWord(int Offset) const;
    // The run of characters of one kind (letters and digits, double-byte
    // characters, other symbols, blanks) around Offset, for a double click.
    void WordAt(int Offset, int& Start, int& End) const;

    // New text as a whole: the caret at its start, nothing left to undo.
    void SetText(const AnsiString& Value);
    // Replaces the selection by Value, cut to the whole characters that
    // MaxLength leaves room for; the caret ends after the inserted text.
    TEditChange ReplaceSelection(std::string_view Value, TEditUndo Undo);

    bool CanUndo() const { return canUndo_; }
    void ClearUndo();
    // Takes back the last change and selects what it brings back; the next
    // Undo takes the undo back.
    TEditChange Undo();

    int MaxLength = 0;  // the most bytes typing and pasting may make the text; 0 for no limit

private:
    TEditChange Replace(int Pos, int Removed, std::string_view Inserted);
    // The start of the line holding Offset: no '\n' can be part of a
    // double-byte character, so character starts are found from there.
    int LineStart(int Offset) const;

    AnsiString text_;
    int anchor_ = 0;  // on a character start, 0 .. Length()
    int caret_ = 0;   // on a character start, 0 .. Length()
    // The change undo takes back: at undoPos_ the text holds undoInserted_
    // where undoRemoved_ stood. Meaningful only while canUndo_.
    bool canUndo_ = false;
    bool typing_ = false;  // the change is typing, which the next character extends
    int undoPos_ = 0;
    AnsiString undoRemoved_;
    AnsiString undoInserted_;
};
