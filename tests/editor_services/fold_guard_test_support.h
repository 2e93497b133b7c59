// Two articles' editors on the shown host, folding C text as the shipped
// C/C++ scheme does: one to collapse blocks in, and a model where nothing
// is collapsed, which the same keys are given.
#pragma once

#include "highlighter/syn_lex_syn.h"
#include "platform/win/clipboard.h"
#include "tests/editor_services/text_editor_test_support.h"
#include "tests/highlighter/c_fold_test_support.h"

class TFoldedAndModelTest : public TEditorViewTest {
protected:
    void SetUp() override
    {
        TEditorViewTest::SetUp();
        folded_ = AddTextEditor(host_.get());
        model_ = AddTextEditor(host_.get());
        UseCFolding(*folded_, syn_);
        UseCFolding(*model_, syn_);
    }
    void TearDown() override
    {
        folded_->SetHighlighter(nullptr);
        model_->SetHighlighter(nullptr);
        TEditorViewTest::TearDown();
    }

    TSynLexSyn syn_{nullptr};
    TSynTextEditor* folded_ = nullptr;
    TSynTextEditor* model_ = nullptr;
};

// What the tables paste: a character whose trail byte reads as '{', then a
// line that opens a brace.
inline constexpr const char* Pasted = "p\xD5\x7B\r\n{ q";

inline void EmptyTheClipboard()
{
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
}
