// What a completion holds on its editor while it puts text in: one undo
// block and the paint lock, and for templates typed in character by
// character also the settings that would bend them, all given back on
// every way out.
#pragma once

#include "editor/syn_custom_text_types.h"

class TCustomSynText;

class TCompletionEditScope {
public:
    // PlainTyping switches off auto indent, trailing-space trimming and
    // smart tabs and forces insert mode: the indentation a template brings
    // must not be re-aligned, and overwriting would eat the text after it.
    TCompletionEditScope(TCustomSynText* AEditor, bool PlainTyping);
    // Only reached with steps left while an exception is already on its
    // way; a second failure while giving back is dropped for that one.
    ~TCompletionEditScope();
    TCompletionEditScope(const TCompletionEditScope&) = delete;
    TCompletionEditScope& operator=(const TCompletionEditScope&) = delete;

    // The normal way out; the events that unlocking fires may throw to the caller.
    void Close();

private:
    TCustomSynText* editor_;
    TSynTextEditorOptions savedOptions_;
    bool restoreOptions_ = false;
    bool restoreOverwrite_ = false;
    bool undoBlockOpen_ = true;
    bool locked_ = true;
};
