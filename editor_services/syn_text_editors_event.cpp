// The events hub: its global reference and the copy into an editor.
#include "editor_services/syn_text_editors_event.h"

namespace {

TSynTextEditorsEvent* globalHub = nullptr;

}  // namespace

TSynTextEditorsEvent* GlobalSynTextEditorsEvent() { return globalHub; }

TSynTextEditorsEvent::TSynTextEditorsEvent(TComponent* AOwner) : TComponent(AOwner) { globalHub = this; }

TSynTextEditorsEvent::~TSynTextEditorsEvent()
{
    if (globalHub == this)
        globalHub = nullptr;
}

void TSynTextEditorsEvent::AssignEvents(TCustomSynText* Editor) const
{
#define TANDRIL_COPY_EVENT(Event, Flag) \
    if (Flag)                           \
        Editor->Event = Event;
    TANDRIL_SYN_EDITORS_EVENTS(TANDRIL_COPY_EVENT)
#undef TANDRIL_COPY_EVENT
    auto* document = dynamic_cast<TCustomSynTextEditor*>(Editor);
    if (!document)
        return;
    if (DoLoadDocument)
        document->OnLoadDocument = OnLoadDocument;
    if (DoSaveDocument)
        document->OnSaveDocument = OnSaveDocument;
    if (DoCloseDocument)
        document->OnCloseDocument = OnCloseDocument;
}
