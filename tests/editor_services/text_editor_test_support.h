// The articles' editor on the editor tests' shown host.
#pragma once

#include "editor_services/syn_text_editor.h"
#include "tests/editor/syn_view_test_support.h"

// An editor of 600 x 300 pixels at the host's top left, its window made;
// the host owns it.
inline TSynTextEditor* AddTextEditor(TEditorHost* Host)
{
    auto* editor = new TSynTextEditor(Host);
    editor->SetBounds(0, 0, 600, 300);
    editor->SetParent(Host);
    editor->HandleNeeded();
    return editor;
}
