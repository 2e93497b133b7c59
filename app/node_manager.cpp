// Reaching an article tab's frame from its editor.
#include "app/node_manager.h"

#include "editor_services/syn_text_editor.h"

INodeEditor* NodeEditorOf(TCustomSynTextEditor* Editor)
{
    return Editor ? dynamic_cast<INodeEditor*>(Editor->Owner()) : nullptr;
}
