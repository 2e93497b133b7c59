// TSynTextEditorsEvent: one set of event handlers that the settings manager
// copies into every editor it registers. Each event has its handler
// (On<Event>) and a flag (Do<Event>) saying whether it is copied at all.
#pragma once

#include "editor/syn_custom_text.h"
#include "editor_services/syn_text_editor.h"
#include "platform/base/component.h"

// The events in the order they are copied: the control's, then the
// editor's; the document editor's follow them. The platform has no docking,
// so the docking events are absent.
#define TANDRIL_SYN_EDITORS_EVENTS(X)                                                                  \
    X(OnClick, DoClick) X(OnDblClick, DoDblClick) X(OnDragDrop, DoDragDrop) X(OnDragOver, DoDragOver)  \
    X(OnEndDrag, DoEndDrag) X(OnEnter, DoEnter) X(OnExit, DoExit) X(OnKeyDown, DoKeyDown)              \
    X(OnKeyPress, DoKeyPress) X(OnKeyUp, DoKeyUp) X(OnMouseDown, DoMouseDown)                          \
    X(OnMouseMove, DoMouseMove) X(OnMouseUp, DoMouseUp) X(OnStartDrag, DoStartDrag)                    \
    X(OnChange, DoChange) X(OnClearBookmark, DoClearBookmark) X(OnCommandProcessed, DoCommandProcessed) \
    X(OnContextHelp, DoContextHelp) X(OnDropFiles, DoDropFiles) X(OnGutterGetText, DoGutterGetText)    \
    X(OnGutterClick, DoGutterClick) X(OnGutterPaint, DoGutterPaint) X(OnMouseCursor, DoMouseCursor)    \
    X(OnPaint, DoPaint) X(OnPlaceBookmark, DoPlaceBookmark) X(OnProcessCommand, DoProcessCommand)      \
    X(OnProcessUserCommand, DoProcessUserCommand) X(OnReplaceText, DoReplaceText) X(OnScroll, DoScroll) \
    X(OnSpecialLineColors, DoSpecialLineColors) X(OnStatusChange, DoStatusChange)                      \
    X(OnPaintTransient, DoPaintTransient)

class TSynTextEditorsEvent : public TComponent {
public:
    explicit TSynTextEditorsEvent(TComponent* AOwner);
    ~TSynTextEditorsEvent() override;

    // Writes every handler whose flag is set into Editor, also an empty
    // one, the document events only into a document editor; the others stay
    // as the editor has them.
    void AssignEvents(TCustomSynText* Editor) const;

#define TANDRIL_EVENT_FIELDS(Event, Flag) \
    decltype(TCustomSynText::Event) Event; \
    bool Flag = false;
    TANDRIL_SYN_EDITORS_EVENTS(TANDRIL_EVENT_FIELDS)
#undef TANDRIL_EVENT_FIELDS

    TSynDocumentEvent OnLoadDocument;
    bool DoLoadDocument = false;
    TSynDocumentEvent OnSaveDocument;
    bool DoSaveDocument = false;
    TNotifyEvent OnCloseDocument;
    bool DoCloseDocument = false;
};

// The hub constructed last that still exists; nullptr when none.
TSynTextEditorsEvent* GlobalSynTextEditorsEvent();
