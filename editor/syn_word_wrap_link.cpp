// The editor's side of word wrap: holding the wrap plug-in while lines are
// wrapped, the wrap width, and the mapping between rows and lines.
#include <algorithm>
#include <climits>
#include <functional>
#include <memory>

#include "editor/syn_custom_text.h"
#include "editor/syn_edit_scopes.h"
#include "editor/view/syn_right_edge.h"
#include "editor/view/syn_word_wrap.h"
#include "editor/syn_word_wrap_plugin.h"

namespace {

// What the plug-in asks of its editor.
class TSynTextWrapHost : public ISynWordWrapHost {
public:
    explicit TSynTextWrapHost(const TCustomSynText* Editor) : editor_(Editor) {}
    TSynTextStringList* Lines() const override { return editor_->Lines(); }
    TSynCustomHighlighter* Highlighter() const override { return editor_->Highlighter(); }
    int GetWrapAreaWidth() const override { return editor_->GetWrapAreaWidth(); }

private:
    const TCustomSynText* editor_;
};

// The plug-in with its host. The host is the first base so that it is
// complete before the plug-in's constructor wraps the lines through it.
class TSynTextWordWrapPlugin final : private TSynTextWrapHost, public TSynWordWrapPlugin {
public:
    explicit TSynTextWordWrapPlugin(const TCustomSynText* Editor)
        : TSynTextWrapHost(Editor), TSynWordWrapPlugin(this)
    {
    }
};

}  // namespace

void TCustomSynText::WordWrapChanged(TObject* Sender)
{
    if (Sender == wordWrap_->Indicator()) {
        RepaintGutter();
        return;
    }
    if (wordWrap_->Enabled() != GetWordWrap())
        SetWordWrapActive(wordWrap_->Enabled());
    if (GetWordWrap())
        WordWrapDisplayChanged();
    if (!ComponentState().Contains(csLoading))
        Invalidate();
}

void TCustomSynText::RightEdgeChanged(TObject*)
{
    if (ComponentState().Contains(csLoading))
        return;
    if (GetWordWrap() && wordWrap_->Style() == wwsRightEdge)
        WordWrapDisplayChanged();
    Invalidate();
}

void TCustomSynText::SetWordWrapActive(bool Value)
{
    if (GetWordWrap() == Value)
        return;
    Invalidate();
    const TDisplayCoord caret = CaretDisplayPos();
    const bool caretInView = caret.Column >= leftChar_ && caret.Column <= leftChar_ + charsInWindow_ &&
                             caret.Row >= topLine_ && caret.Row <= topLine_ + linesInWindow_;
    const int topLine = RowToLine(topLine_);
    caretAtEndOfRow_ = false;
    if (Value) {
        wordWrapPlugin_ = std::make_unique<TSynTextWordWrapPlugin>(this);
        SetLeftChar(1);
    } else {
        wordWrapPlugin_.reset();
    }
    SetTopLine(LineToRow(topLine));
    UpdateScrollBars();
    if (options_.Contains(eoScrollPastEol)) {
        // Columns past the line ends are bounded differently with and
        // without wrapping: clamp the caret and the block again.
        TSynPaintLockScope lock(this);
        const TBufferCoord begin = blockBegin_;
        const TBufferCoord end = blockEnd_;
        PlaceCaretEx(false, CaretXY());
        SetBlockBegin(begin);
        SetBlockEnd(end);
    }
    if (caretInView)
        EnsureCursorPosVisible();
}

void TCustomSynText::WordWrapDisplayChanged()
{
    const int topLine = RowToLine(topLine_);
    wordWrapPlugin_->DisplayChanged();
    SetTopLine(LineToRow(topLine));
    SetLeftChar(leftChar_);
    UpdateScrollBars();
    Invalidate();
}

void TCustomSynText::PutLinesWrappedOnce(int Index, int Count, const std::function<void()>& Put)
{
    // Each line wrapped as it is put would move the rows after it in its
    // wrap block: a text of a million lines set whole moved them a million
    // times. The lines and everything below them are repainted, as the
    // rows below may have moved and guides may reach past the lines.
    {
        const TSynFlagScope held(wrapRowsHeld_);
        Put();
    }
    if (wordWrapPlugin_ && Count > 0 && wordWrapPlugin_->LinesPutted(Index, Count) != 0)
        RepaintGutterLines(Index + 1, INT_MAX);
    RepaintLines(Index + 1, INT_MAX);
}

int TCustomSynText::GetWrapAreaWidth() const
{
    switch (wordWrap_->Style()) {
    case wwsRightEdge:
        return rightEdge_->Position();
    case wwsSpecified:
        return wordWrap_->Position();
    case wwsClientWidth:
        break;
    }
    return charsInWindow_;
}

int TCustomSynText::WrappingWidth() const { return GetWordWrap() ? std::max(GetWrapAreaWidth(), 0) : 0; }

int TCustomSynText::RowToLine(int ARow) const
{
    if (!wordWrapPlugin_ || ARow < 1)
        return ARow;
    return wordWrapPlugin_->DisplayToBufferPos(DisplayCoord(1, ARow)).Line;
}

int TCustomSynText::LineToRow(int ALine) const
{
    if (!wordWrapPlugin_ || ALine < 1)
        return ALine;
    return wordWrapPlugin_->BufferToDisplayPos(BufferCoord(1, ALine)).Row;
}

void TCustomSynText::SetInternalDisplayXY(const TDisplayCoord& Value)
{
    TSynPaintLockScope lock(this);
    PlaceCaretEx(false, DisplayToBufferPos(Value));
    // Asked for a place past a row's end that is the next row's start: the
    // caret stays on the row it was asked for.
    caretAtEndOfRow_ = wordWrapPlugin_ && Value.Row >= 1 && Value.Row <= wordWrapPlugin_->RowCount() &&
                       Value.Column > wordWrapPlugin_->GetRowLength(Value.Row) &&
                       BufferToDisplayPos(CaretXY()).Row != Value.Row;
    lastCaretX_ = DisplayX();
    stateFlags_.Include(sfCaretChanged);
    if (GetWrapAreaWidth() > charsInWindow_)
        EnsureCursorPosVisible();
}

TDisplayCoord TCustomSynText::CaretDisplayPos() const
{
    TDisplayCoord result = BufferToDisplayPos(CaretXY());
    if (caretAtEndOfRow_ && wordWrapPlugin_ && result.Column == 1 && result.Row > LineToRow(caretY_)) {
        --result.Row;
        result.Column = wordWrapPlugin_->GetRowLength(result.Row) + 1;
    }
    return result;
}

void TCustomSynText::SetCaretAtEndOfRow(bool Value)
{
    TSynPaintLockScope lock(this);
    caretAtEndOfRow_ = Value;
    lastCaretX_ = DisplayX();
    stateFlags_.Include(sfCaretChanged);
    EnsureCursorPosVisible();
}
