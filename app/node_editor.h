// TNodeEditor: the frame filling one article tab: the document editor with
// skinned scroll bars in place of the platform's, which it keeps in step
// with the editor in both directions.
#pragma once

#include "app/node_manager.h"
#include "platform/ui/kernel/frame.h"
#include "platform/win/scroll_bars.h"

class TSynTextEditor;
class TSynTextScrollBar;
class TTabSheet;
class TbsSkinFrame;
class TbsSkinPanel;
class TbsSkinPopupMenu;
class TbsSkinScrollBar;

class TNodeEditor : public TFrame, public INodeEditor {
public:
    // Takes its skin and its context menu's actions from the action
    // module, which must exist.
    explicit TNodeEditor(TComponent* AOwner);

    // INodeEditor
    int GetNodeID() override { return FNodeID; }
    void SetNodeID(int Id) override { FNodeID = Id; }
    // The caption of the tab.
    AnsiString GetNodeName() override;
    void SetNodeName(const AnsiString& Name) override;
    TCustomSynTextEditor* GetEditor() override;
    void SetLanguage(const AnsiString& Name) override;
    void Activate() override;

    // The sheet holding the frame, set by the window that made both.
    TTabSheet* TabSheet() const { return FTabSheet; }
    void SetTabSheet(TTabSheet* Value) { FTabSheet = Value; }

    TbsSkinPanel* bsSkinPanel1;
    TbsSkinScrollBar* sVScrollBar;
    TbsSkinScrollBar* sHScrollBar;
    TSynTextEditor* SynTextEditor1;
    TSynTextScrollBar* HScrollBar;
    TSynTextScrollBar* VScrollBar;
    TbsSkinFrame* SkinFrame;
    TbsSkinPopupMenu* EditorPopupMenu;

    // The editor's writes to a bar: enabled only when there is something
    // to scroll; then the range, page and large change (the lines in the
    // window, halved under eoHalfPageScroll).
    int VScrollBarSetScrollInfo(const SCROLLINFO& Info, bool Redraw);
    int HScrollBarSetScrollInfo(const SCROLLINFO& Info, bool Redraw);

private:
    void BridgeBar(TSynTextScrollBar* Source, TbsSkinScrollBar* Bar);
    void SetScrollInfoOf(TbsSkinScrollBar* Bar, const SCROLLINFO& Info, bool Vertical);
    // A page of the vertical bar, from the top line the editor had before
    // the bar moved.
    void PageVertically(int Code);
    void BuildPopupMenu();

    int FNodeID = 0;
    TTabSheet* FTabSheet = nullptr;  // owned by the main window; frees this frame with it
    int topBeforeChange_ = 1;        // the editor's top line before the vertical bar's last move
};
