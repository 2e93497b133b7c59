// TRichEdit: the runs of formats over the text, kept in step with every
// change, and the attributes read and changed through them.
#include "platform/ui/textedit/rich_edit.h"

#include <algorithm>
#include <map>

#include "platform/gdi/device_context.h"
#include "platform/ui/kernel/controls_messages.h"

namespace {

bool SameFormat(const TFont& A, const TFont& B)
{
    return A.Name() == B.Name() && A.Height() == B.Height() && A.Style() == B.Style() &&
           A.Charset() == B.Charset() && A.Color() == B.Color() && A.Pitch() == B.Pitch();
}

}  // namespace

TRichEdit::TRichEdit(TComponent* AOwner)
    : TCustomMemo(AOwner),
      defAttributes_(std::make_unique<TTextAttributes>(this, atDefaultText)),
      selAttributes_(std::make_unique<TTextAttributes>(this, atSelected))
{
    formats_.push_back(std::make_unique<TFont>());
    formats_[0]->Assign(Font());
    metrics_.resize(1);
    measureDC_ = CreateCompatibleDC(nullptr);
}

TRichEdit::~TRichEdit()
{
    DeleteDC(measureDC_);
}

int TRichEdit::Intern(const TFont& Format)
{
    for (size_t i = 0; i < formats_.size(); ++i)
        if (SameFormat(*formats_[i], Format))
            return static_cast<int>(i);
    formats_.push_back(std::make_unique<TFont>());
    formats_.back()->Assign(const_cast<TFont*>(&Format));
    metrics_.emplace_back();
    return static_cast<int>(formats_.size()) - 1;
}

const TFont& TRichEdit::FormatAt(int Offset) const
{
    if (runs_.empty())
        return *formats_[0];
    return *formats_[static_cast<size_t>(runs_[static_cast<size_t>(std::clamp(Offset, 0, static_cast<int>(runs_.size()) - 1))])];
}

int TRichEdit::InsertionFormat(int Pos, int Removed) const
{
    if (runs_.empty())
        return 0;
    auto at = [this](int Offset) { return runs_[static_cast<size_t>(Offset)]; };
    if (Removed > 0)
        return at(Pos);
    // The text before Pos is the same before and after a change at Pos.
    if (Pos > 0 && Buffer().Text()[static_cast<size_t>(Pos) - 1] != '\n')
        return at(Pos - 1);
    if (Pos < static_cast<int>(runs_.size()))
        return at(Pos);
    return at(Pos - 1);
}

const TFont& TRichEdit::SelectionFormat() const
{
    const TEditBuffer& buffer = Buffer();
    if (buffer.HasSelection())
        return FormatAt(buffer.SelStart());
    if (pending_ >= 0)
        return *formats_[static_cast<size_t>(pending_)];
    return *formats_[static_cast<size_t>(InsertionFormat(buffer.Caret(), 0))];
}

void TRichEdit::ChangeFormat(TAttributeType Type, const std::function<void(TFont&)>& Step)
{
    if (Type == atDefaultText) {
        Step(*formats_[0]);
        metrics_[0] = {};
        TextLooksChanged();
        return;
    }
    const TEditBuffer& buffer = Buffer();
    if (!buffer.HasSelection()) {
        // Kept for the typing that follows at the caret.
        TFont format;
        format.Assign(const_cast<TFont*>(&SelectionFormat()));
        Step(format);
        pending_ = Intern(format);
        return;
    }
    std::map<int, int> changed;  // old format -> new one
    for (int i = buffer.SelStart(); i < buffer.SelEnd(); ++i) {
        int& run = runs_[static_cast<size_t>(i)];
        auto known = changed.find(run);
        if (known == changed.end()) {
            TFont format;
            format.Assign(formats_[static_cast<size_t>(run)].get());
            Step(format);
            known = changed.emplace(run, Intern(format)).first;
        }
        run = known->second;
    }
    TextLooksChanged();
}

void TRichEdit::TextReplaced(const TEditChange& Change, bool Whole)
{
    textChanged_ = true;
    if (Whole) {
        runs_.assign(static_cast<size_t>(Buffer().Length()), 0);
        pending_ = -1;
        return;
    }
    int format = pending_ >= 0 ? pending_ : InsertionFormat(Change.Pos, Change.Removed);
    pending_ = -1;
    auto pos = runs_.begin() + Change.Pos;
    pos = runs_.erase(pos, pos + Change.Removed);
    runs_.insert(pos, static_cast<size_t>(Change.Inserted), format);
}

void TRichEdit::SelectionMoved()
{
    const TEditBuffer& buffer = Buffer();
    if (!textChanged_ && buffer.Anchor() == reportedAnchor_ && buffer.Caret() == reportedCaret_)
        return;
    if (!textChanged_)
        pending_ = -1;
    textChanged_ = false;
    reportedAnchor_ = buffer.Anchor();
    reportedCaret_ = buffer.Caret();
    if (OnSelectionChange)
        OnSelectionChange(this);
}

void TRichEdit::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_FONTCHANGED) {
        // Text without attributes of its own follows the control's font.
        formats_[0]->Assign(Font());
        metrics_[0] = {};
    }
    TCustomMemo::Dispatch(Message);
    if (Message.Msg == CM_FONTCHANGED && HandleAllocated())
        TextLooksChanged();
}
