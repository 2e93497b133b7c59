// TSynText publishes the editor's properties; TSynMemo also answers the
// standard edit-control messages.
#pragma once

#include "editor/syn_custom_text.h"

class TSynText : public TCustomSynText {
public:
    using TCustomSynText::TCustomSynText;
};

class TSynMemo : public TSynText {
public:
    using TSynText::TSynText;

protected:
    // The edit-control messages (EM_*), translated to editor operations.
    void Dispatch(TMessage& Message) override;
};
