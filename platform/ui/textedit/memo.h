// TCustomMemo and TMemo: the edit box of many lines, its text also seen as
// Lines (a TStrings), wrapping its words or scrolling sideways, with
// scroll bars when asked.
#pragma once

#include <memory>

#include "platform/ui/textedit/edit.h"

class TStrings;

// Which scroll bars the box has, in the class library's order.
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TCustomMemo : public TCustomEdit {
public:
    explicit TCustomMemo(TComponent* AOwner);
    ~TCustomMemo() override;

    // The lines of the text, without their line breaks; changing them
    // changes the text through EM_SETSEL and EM_REPLACESEL.
    TStrings* Lines() const { return lines_.get(); }
    void SetLines(TStrings* Value);
    // These three make the window again.
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle Value);
    // Long lines wrap at the box's width, unless there is a horizontal
    // scroll bar.
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool Value);
    // Whether Enter types a line break and Tab a tab, rather than going to
    // the form.
    bool WantReturns = true;
    bool WantTabs = false;

    // The lines (text between line breaks; a break at the very end starts
    // no line of its own), as Lines counts them.
    int LineCount() const;
    // Where line Index starts and where its text ends.
    void LineRange(int Index, int& Start, int& End) const;
    AnsiString LineText(int Index) const;
    // Whether the text ends with a line break.
    bool EndsWithBreak() const;

protected:
    void CreateParams(TCreateParams& Params) override;
    void Dispatch(TMessage& Message) override;
    void KeyPress(char& Key) override;

private:
    std::unique_ptr<TStrings> lines_;
    TAlignment alignment_ = taLeftJustify;
    TScrollStyle scrollBars_ = ssNone;
    bool wordWrap_ = true;
};

class TMemo : public TCustomMemo {
public:
    using TCustomMemo::TCustomMemo;
};
