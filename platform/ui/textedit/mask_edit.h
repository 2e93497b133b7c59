// TCustomMaskEdit: the edit box that can carry an edit mask. Nothing in this
// program types through a mask, so the mask is kept and read back but the
// box edits like any other; controls built on it take it as their base.
#pragma once

#include "platform/ui/textedit/edit.h"

class TCustomMaskEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;

    const AnsiString& EditMask() const { return editMask_; }
    void SetEditMask(const AnsiString& Value) { editMask_ = Value; }

private:
    AnsiString editMask_;
};
